#include "board/NieuwTarief.h"

#include <cmath>

#include "host/brlib/Inlezen.h"
#include "host/brlib/TariefMatrix.h"

namespace bord {

namespace {

double OpCenten(double bedrag) { return std::round(bedrag * 100.0) / 100.0; }

}  // namespace

bool BepaalTarieven(brlib::stRes& regel, const brlib::stKamer& kamer)
{
    const int jaar = Jaar(regel.begin);
    brlib::stKamerType type = kamer.kamerType;
    regel.kamerType = type.code;
    brlib::InlezenKamerTypeTarieven(jaar, type);
    brlib::MaakTariefMatrix(jaar, regel.matrix);
    brlib::VulTariefMatrix(regel.matrix, type.tarieven);
    if (regel.matrix.Leeg())
        return false;
    // A night without a rate counts 0; the rest of the stay is still priced.
    brlib::RsvBepaalHuidigTarief(regel);
    return true;
}

double TotaalBedrag(const std::vector<brlib::stRes>& items)
{
    double som = 0;
    for (const brlib::stRes& item : items)
        if (item.nieuw && !item.voorlopig)
            som += item.bedrag;
    return OpCenten(som);
}

double TotaalBedrag(const brlib::stRes& regel) { return OpCenten(regel.bedrag); }

}  // namespace bord
