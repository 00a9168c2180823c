#pragma once
// The amount of the new lines together.

#include <vector>

#include "host/brlib/Res.h"

namespace bord {

// The amounts of the confirmed new lines, rounded to cents.
double TotaalBedrag(const std::vector<brlib::stRes>& items);
// The amount of one line, rounded to cents.
double TotaalBedrag(const brlib::stRes& regel);

}  // namespace bord
