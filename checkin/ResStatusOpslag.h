#pragma once
// The reservation status after a check-in or check-out, recomputed from the
// rooms on disk and stored in the header.

#include "host/base/JaarNr.h"
#include "host/brlib/RsvReservering.h"

namespace incheck {

// The status the reservation should have now, from its rooms as stored
// (the caller's own uncommitted writes included). EBrRuntime when it cannot be read.
int BepaalStatus(const JaarNr& reservering);

// Stores BepaalStatus in the header (change counter + 1) and in `res`, and
// raises the update count. The caller holds "rsv" and commits.
void StatusOpslaan(brlib::RsvReservering& res);

}  // namespace incheck
