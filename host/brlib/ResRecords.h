#pragma once
// The wrappers of a reservation's records as the readers fill them.

#include <cstdint>

#include "host/base/JaarNr.h"
#include "host/brlib/Res.h"
#include "store/WinRsvInCheck.h"
#include "store/WinRsvResRgl.h"

namespace brlib {

// Line `nr` of reservation `res`; the check-in gets only its key (JaarNr(0, 0)
// when the line is not checked in).
stRes RegelUitRecord(JaarNr res, int32_t nr, const WIN_rsv_res_rgl& rcd);
// Check-in `sleutel`, without its persons.
stInCheck InCheckUitRecord(JaarNr sleutel, const WIN_rsv_incheck& rcd);

}  // namespace brlib
