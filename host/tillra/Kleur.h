#pragma once
// Colour helpers of the point-of-sale library.

#include "host/base/TColor.h"

namespace Tillra {

// `kleur` moved towards white by `fractie` (0 keeps it, 1 gives white), per channel.
TColor Lighten(TColor kleur, double fractie);

}  // namespace Tillra
