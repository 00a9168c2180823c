#pragma once
// Whether a room is free for a period according to the files, not the board's
// loaded lines: the check made under the reservation lock just before a write.

#include <cstdint>

#include "board/BordToestand.h"
#include "host/base/TDateTime.h"
#include "store/RecordCache.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvResRgl.h"

namespace bord {

// Walks the day chains of rsv_dagrgl.pnt from begin - kMaxNachten up to,
// not including, `eind` (a line hangs under its arrival day only, and no stay
// is longer than kMaxNachten). The room is taken when a line on it overlaps the
// half-open period [begin, eind): a departure day may be another's arrival.
// A chain longer than its file raises EBrRuntime.
bool KamerVrijOpSchijf(RecordCache<WIN_rsv_res_rgl>& regels, RecordCache<WIN_rsv_dagnr_rgl_pnt>& dagen,
                       int32_t kamerNr, TDateTime begin, TDateTime eind);

}  // namespace bord
