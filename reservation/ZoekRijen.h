#pragma once
// The rows of the reservation overview: every hit read again, as it is now,
// and kept when its status is shown.

#include <vector>
#include <QString>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"
#include "reservation/ZoekTreffers.h"

namespace brlib {
class RsvReservering;
}

namespace zoek {

struct ZoekRij {
    JaarNr nr;
    QString boekNr;
    QString naam;      // guest data lines 0 and 1, empty when missing
    QString voornaam;
    TDateTime begin = 0;
    TDateTime eind = 0;
    QString status;
    QString kamers;    // room numbers in line order, joined with ", "
};

ZoekRij MaakRij(const brlib::RsvReservering& res);
// The rows of the hits in hit order. A damaged reservation raises EBrRuntime.
std::vector<ZoekRij> LeesRijen(const std::vector<ZoekTreffer>& treffers, const ZoekVraag& vraag);

}  // namespace zoek
