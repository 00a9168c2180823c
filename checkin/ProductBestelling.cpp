#include "checkin/ProductBestelling.h"

#include "host/tillra/KSCommunicatie.h"
#include "reservation/ResProducten.h"

namespace incheck {

void BestelProducten(const brlib::RsvReservering& res, const JaarNr& registratie)
{
    if (registratie.IsLeeg())
        return;
    const std::vector<Tillra::t_BonRegel> regels = ProductenInlezen(res);
    if (regels.empty())
        return;
    Tillra::KSVerbinding().KSMaakBestelling(Tillra::ItemNummer(Tillra::itRegistratie, registratie), regels, 0, {},
                                            true);
}

}  // namespace incheck
