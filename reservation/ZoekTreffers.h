#pragma once
// The hit list of the reservation overview: which reservations a query
// selects, read straight from the header files without a lock, and their order.
// A damaged file raises EBrRuntime.

#include <vector>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"
#include "reservation/ZoekVraag.h"

namespace zoek {

struct ZoekTreffer {
    JaarNr nr;
    TDateTime begin = 0;  // 0 when the query did not need the header
    TDateTime eind = 0;
};

// Every reservation of the year; with `metDatums` also its begin and end date.
std::vector<ZoekTreffer> ZoekPerJaar(int jaar, bool metDatums);
// Every reservation whose stay holds `datum`, both ends included.
std::vector<ZoekTreffer> ZoekOpDatum(TDateTime datum);
// Every reservation whose first guest data line holds `naam`, ignoring case;
// an empty name finds every reservation that has guest data.
std::vector<ZoekTreffer> ZoekOpNaam(const QString& naam);

// The search of the query's mode, sorted as the query asks.
std::vector<ZoekTreffer> Zoek(const ZoekVraag& vraag);
void Sorteer(std::vector<ZoekTreffer>& treffers, SorteerKolom kolom, SorteerOrde orde);

}  // namespace zoek
