#pragma once
// Draws filled layouts on a printer or PDF writer: each object from a new
// page, a line that does not fit on the page moves to the next.

#include <vector>

#include "host/printing/LayoutVuller.h"

class QPagedPaintDevice;

namespace Printing {

// False when the device cannot be painted on (printer gone, file not writable).
bool TekenLayouts(const std::vector<std::vector<GevuldeRegel>>& objecten, QPagedPaintDevice& apparaat);

}  // namespace Printing
