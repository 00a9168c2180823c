#include "reports/ReserveringProducten.h"

#include "checkin/ProductBestelling.h"
#include "host/tillra/KSCommunicatie.h"
#include "host/tillra/KassaMutatie.h"
#include "host/tillra/RegistratieAccess.h"

namespace {

void VoegToe(std::vector<Tillra::t_BonRegel>& regels, const std::vector<Tillra::t_BonRegel>& erbij)
{
    regels.insert(regels.end(), erbij.begin(), erbij.end());
}

std::vector<Tillra::t_BonRegel> AfgerekendeRegels(const JaarNr& registratie)
{
    std::vector<Tillra::t_BonRegel> regels;
    const std::optional<Tillra::Registratie> reg =
        Tillra::RegistratieAccess::Inlezen(registratie, Tillra::RegistratieAccess::ALL_OPTIONS);
    if (!reg)
        return regels;
    for (const Tillra::Boeking& boeking : reg->GetBoekingLst()) {
        using Cursor = Tillra::MutatieCursorRandom;
        Cursor cursor(boeking.nummer);
        if (const Tillra::SAKassaMutatie* bon = cursor.At(boeking.sleutel, Cursor::LEES_KOP, Cursor::LEES_REGELS))
            VoegToe(regels, bon->getBonRegels());
    }
    return regels;
}

}  // namespace

std::vector<Tillra::t_BonRegel> ReserveringProducten(const brlib::RsvReservering& res)
{
    const JaarNr registratie = res.GetProductenRegNr();
    if (registratie.IsLeeg())
        return incheck::ProductenInlezen(res);
    std::vector<Tillra::t_BonRegel> regels = AfgerekendeRegels(registratie);
    std::vector<Tillra::t_BonRegel> open;
    if (Tillra::KSVerbinding().KSGetTafelBon(Tillra::ItemNummer(Tillra::itRegistratie, registratie), open))
        VoegToe(regels, open);
    return regels;
}
