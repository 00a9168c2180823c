#pragma once
// Tax rates by tax code, as they applied at a moment: a price including tax
// depends on the day it is asked for, because rates change over the years.

#include "host/base/TDateTime.h"

namespace Tillra {

enum BtwCode { BTW_GEEN = 0, BTW_LAAG = 1, BTW_HOOG = 2 };

// The rate as a fraction (0.09 for 9%); an unknown code counts as no tax, a
// moment of 0 (no date) as today.
double BtwTarief(int btwCode, TDateTime moment);

}  // namespace Tillra
