#pragma once
// Checking a room out at the host: the checked-out flag and moment in the
// room's check-in record.

#include "host/base/TDateTime.h"
#include "host/brlib/Res.h"

namespace brlib {

// Sets (`uitgecheckt` true, at `moment`) or clears the check-out of `inCheck`
// and raises the record's change counter. The caller holds the reservation lock
// ("rsv") and commits. False, writing nothing, when the check-in does not exist
// or was changed since `inCheck` was read (its change counter differs).
bool IncheckOpslaanUitCheck(const stInCheck& inCheck, bool uitgecheckt, TDateTime moment);

}  // namespace brlib
