#pragma once
// The rates of a new line and the amount of the new lines together.

#include <vector>

#include "host/brlib/Kamer.h"
#include "host/brlib/Res.h"

namespace bord {

// Builds the line's rate matrix from the rates of `kamer`'s room type for the
// year of the line's begin date and fills price, amount and tariff texts.
// False when that matrix holds no rates: the line then keeps no prices.
bool BepaalTarieven(brlib::stRes& regel, const brlib::stKamer& kamer);

// The amounts of the confirmed new lines, rounded to cents.
double TotaalBedrag(const std::vector<brlib::stRes>& items);
// The amount of one line, rounded to cents.
double TotaalBedrag(const brlib::stRes& regel);

}  // namespace bord
