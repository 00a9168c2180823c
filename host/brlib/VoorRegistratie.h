#pragma once
// The guests named per room of a stored reservation before arrival.

#include <vector>

#include "host/base/JaarNr.h"
#include "host/brlib/Res.h"

namespace brlib {

// Fills `lijst` with the reservation's pre-registrations in chain order, each
// with its lines from rsv_voorreg.tkt; empty for JaarNr(0, 0), for a year or
// number without a header, and for a reservation without any. Takes no lock.
// A damaged chain raises EBrRuntime.
void RsvGetVoorRegistratie(JaarNr reservering, std::vector<stVoorReg>& lijst);

}  // namespace brlib
