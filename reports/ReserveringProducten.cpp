#include "reports/ReserveringProducten.h"

#include <algorithm>

#include "reservation/ResProducten.h"

std::vector<Tillra::t_BonRegel> ReserveringProducten(const brlib::RsvReservering& res)
{
    ProductenStand stand = LeesProducten(res);
    // The details form's headings over settled bills have no place on the guest's document.
    if (stand.BijKassa())
        std::erase_if(stand.regels, [](const Tillra::t_BonRegel& regel) { return regel.IsTekstRegel(); });
    return stand.regels;
}
