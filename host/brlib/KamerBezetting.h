#pragma once
// Who holds a room on disk in a period, found through the day chains of
// rsv_dagrgl.pnt. Lines hang only under their arrival day and last at most 49
// nights, so the walk starts 49 days before the period. Days are half-open: a
// line leaving on the period's first day does not hold it.

#include <cstdint>
#include <vector>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"

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

}  // namespace brlib
