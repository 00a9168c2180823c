#include "checkin/ProductBestelling.h"

#include "host/tillra/ArtikelSource.h"
#include "host/tillra/BonRegelOpslag.h"
#include "host/tillra/KSCommunicatie.h"
#include "host/tillra/TlrSettings.h"

namespace incheck {

std::vector<Tillra::t_BonRegel> ProductenInlezen(const brlib::RsvReservering& res)
{
    auto bestanden = Tillra::BonRegelBestanden::Reservering(true);
    Tillra::ArtikelSource artikelen;
    std::vector<Tillra::t_BonRegel> regels;
    Tillra::InlezenBonRegels(regels, res.sleutel.jaar, res.eersteProduct, bestanden, artikelen,
                             Tillra::TlrSettings::Object().OmschrijvingVanKaart());
    return regels;
}

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
