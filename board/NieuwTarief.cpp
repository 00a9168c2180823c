#include "board/NieuwTarief.h"

#include <cmath>


namespace bord {

namespace {

double OpCenten(double bedrag) { return std::round(bedrag * 100.0) / 100.0; }

}  // namespace

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
