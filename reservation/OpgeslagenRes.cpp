#include "reservation/OpgeslagenRes.h"

#include "host/brlib/Inlezen.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/brlib/VoorRegistratie.h"
#include "reservation/ResProducten.h"

OpgeslagenRes LeesOpgeslagenRes(JaarNr sleutel)
{
    OpgeslagenRes opgeslagen;
    brlib::RsvReserveringCursorRandom cursor;
    opgeslagen.res = cursor.At(sleutel, brlib::roInChecks | brlib::roTeksten);
    brlib::RsvGetVoorRegistratie(sleutel, opgeslagen.voorRegs);
    std::vector<brlib::stKamer> kamers;
    brlib::InlezenKamers(kamers);
    opgeslagen.res.VulKamerTypes(kamers);
    return opgeslagen;
}

ResGegevens GegevensVan(const brlib::RsvReservering& res)
{
    ResGegevens gegevens;
    gegevens.gastRegels = res.gastRegels;
    gegevens.extraRegels = res.extraRegels;
    gegevens.relatieLabels = res.relatieLabels;
    gegevens.relatieWaarden = res.relatieWaarden;
    gegevens.relatieNr = res.relatieNr;
    gegevens.relatieNr2 = res.relatieNr2;
    gegevens.vlaggen = {static_cast<uint8_t>(res.soort), static_cast<uint8_t>(res.nationaliteit),
                        static_cast<uint8_t>(res.zakelijk)};
    gegevens.extra = res.extra;
    gegevens.producten = ProductenInlezen(res);
    return gegevens;
}
