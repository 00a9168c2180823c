#include "reservation/ZoekRijen.h"

#include <QStringList>

#include "host/brlib/ReserveringCursor.h"
#include "host/brlib/ResStatus.h"
#include "host/brlib/RsvReservering.h"

namespace zoek {

ZoekRij MaakRij(const brlib::RsvReservering& res)
{
    ZoekRij rij{res.sleutel, res.boekNr, res.gastRegels.value(0), res.gastRegels.value(1),
                res.begin, res.eind, brlib::RsvGetStatusOmschr(res.status), {}};
    QStringList kamers;
    for (const brlib::stRes& regel : res.kamerRegels)
        kamers << QString::number(regel.kamerNr);
    rij.kamers = kamers.join(QStringLiteral(", "));
    return rij;
}

std::vector<ZoekRij> LeesRijen(const std::vector<ZoekTreffer>& treffers, const ZoekVraag& vraag)
{
    brlib::RsvReserveringCursorRandom cursor;
    std::vector<ZoekRij> rijen;
    for (const ZoekTreffer& treffer : treffers) {
        const brlib::RsvReservering& res = cursor.At(treffer.nr, brlib::roRegels | brlib::roTeksten);
        if (ToonStatus(vraag, res.status))
            rijen.push_back(MaakRij(res));
    }
    return rijen;
}

}  // namespace zoek
