#pragma once
// The price of a reservation line from its room's type: for a line being
// booked on the board and for the lines of a reservation whose end date changes.

#include "host/brlib/Kamer.h"
#include "host/brlib/Res.h"

// Builds the line's rate matrix from the rates of `kamer`'s room type for the
// year of the line's begin date and fills price, amount and tariff texts; the
// line takes the type's code as its room type. False when that matrix holds no
// rates: the line then keeps its prices.
bool BepaalTarieven(brlib::stRes& regel, const brlib::stKamer& kamer);
