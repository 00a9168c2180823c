#pragma once
// Who holds a room on disk in a period, found through the day chains of
// rsv_dagrgl.pnt. Lines hang only under their arrival day and last at most 49
// nights, so the walk starts 49 days before the period. Days are half-open: a
// line leaving on the period's first day does not hold it.

#include <cstdint>
#include <vector>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"
#include "host/brlib/Res.h"
#include "store/RecordCache.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvResRgl.h"

namespace brlib {

struct stBezetting {
    JaarNr reservering;
    int32_t regelNr = 0;
    TDateTime begin = 0;
    TDateTime eind = 0;
};

// The lines on `kamerNr` that overlap [begin, eind), other than those of
// reservation `behalve`, in day order. Takes no lock; a damaged day chain
// raises EBrRuntime.
std::vector<stBezetting> ZoekKamerBezetting(int32_t kamerNr, TDateTime begin, TDateTime eind, JaarNr behalve);

// Every line, of any room, that holds a day of [begin, eind), in day order.
std::vector<stBezetting> ZoekBezetting(TDateTime begin, TDateTime eind);

// Whether every line's room is free on disk for the line's own period, in one
// walk over the day chains for all of them (a group books many rooms at once).
// On the caller's caches: a write path checks under its lock on the caches it
// writes through, so that it sees its own action's writes.
bool KamersVrij(RecordCache<WIN_rsv_res_rgl>& regels, RecordCache<WIN_rsv_dagnr_rgl_pnt>& dagen,
                const std::vector<stRes>& gevraagd);

}  // namespace brlib
