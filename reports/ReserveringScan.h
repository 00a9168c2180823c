#pragma once
// Finds the stored reservations whose stay touches a span of days, straight
// from the header files without a lock, and reads each through one cursor.
// Shared by the daily lists and the occupancy overview. A span of up to 49
// days is found along the day chains of the headers; a longer one by reading
// every header of the given years.

#include <functional>
#include <initializer_list>

#include "host/base/TDateTime.h"
#include "host/brlib/ReserveringCursor.h"

namespace rapport {

struct ScanBereik {
    int eersteJaar = 0;   // the header files read for a long span, both included
    int laatsteJaar = 0;
    TDateTime van = 0;    // the days looked at, both included
    TDateTime tot = 0;
};

// Calls `bezoek` for every reservation of one of `soorten` (0 reservation,
// 1 option, 2 blockade) whose begin and end date overlap the days, read with
// `opties`. A damaged file raises EBrRuntime.
void ScanReserveringen(const ScanBereik& bereik, std::initializer_list<int> soorten, unsigned opties,
                       const std::function<void(const brlib::RsvReservering&)>& bezoek);

// Whole days from `van` through `tot`, both included; 0 or less when `tot` is before `van`.
inline int DagenInclusief(TDateTime van, TDateTime tot) { return static_cast<int>(DateOf(tot) - DateOf(van)) + 1; }

}  // namespace rapport
