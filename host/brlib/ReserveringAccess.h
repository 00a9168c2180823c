#pragma once
// Finding a reservation line by what points at it.

#include "host/base/JaarNr.h"
#include "host/brlib/Res.h"

namespace brlib::ReserveringAccess {

// The line that check-in `inCheck` belongs to, with that check-in and its
// persons filled in, found through the check-in's line number. False when the
// year has no such check-in, or its line no longer points back at it (the
// check-in was cancelled, the line removed).
bool LeesResOpIncheck(JaarNr inCheck, stRes& regel);

}  // namespace brlib::ReserveringAccess
