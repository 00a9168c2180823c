#include "reservation/ResProducten.h"

#include "host/tillra/Afronding.h"
#include "host/tillra/ArtikelSource.h"
#include "host/tillra/BonRegelOpslag.h"
#include "host/tillra/KSCommunicatie.h"
#include "host/tillra/KassaMutatie.h"
#include "host/tillra/RegistratieAccess.h"
#include "host/tillra/TlrSettings.h"

namespace {

using Tillra::t_BonRegel;

void VoegAfgerekendToe(ProductenStand& stand)
{
    const std::optional<Tillra::Registratie> reg =
        Tillra::RegistratieAccess::Inlezen(stand.registratie, Tillra::RegistratieAccess::LEES_BOEKINGEN);
    if (!reg)
        return;
    for (const Tillra::Boeking& boeking : reg->GetBoekingLst()) {
        Tillra::MutatieCursorRandom cursor(boeking.nummer);
        const Tillra::SAKassaMutatie* mutatie = cursor.At(boeking.sleutel);
        if (!mutatie)
            continue;
        const JaarNr nr(mutatie->getBoekJaar(), mutatie->getMuNr());
        stand.regels.push_back(t_BonRegel::TekstRegel(QStringLiteral("MUTATIE ") + nr.String(2, 6)));
        const std::vector<t_BonRegel>& regels = mutatie->getBonRegels();
        stand.regels.insert(stand.regels.end(), regels.begin(), regels.end());
    }
}

void VoegOpenBonToe(ProductenStand& stand)
{
    std::vector<t_BonRegel> bon;
    Tillra::TKSCommunicatie& kassa = Tillra::KSVerbinding();
    if (!kassa.KSGetTafelBon(Tillra::ItemNummer(Tillra::itRegistratie, stand.registratie), bon)) {
        stand.kassaFout = kassa.LaatsteFout();
        return;
    }
    if (bon.empty())
        return;
    if (!stand.regels.empty()) {
        stand.regels.push_back(t_BonRegel::TekstRegel(QStringLiteral("NOG AF TE REKENEN")));
        stand.alleenLezen = static_cast<int>(stand.regels.size());
    }
    stand.regels.insert(stand.regels.end(), bon.begin(), bon.end());
}

}  // namespace

std::vector<t_BonRegel> ProductenInlezen(const brlib::RsvReservering& res)
{
    auto bestanden = Tillra::BonRegelBestanden::Reservering(true);
    Tillra::ArtikelSource artikelen;
    std::vector<t_BonRegel> regels;
    Tillra::InlezenBonRegels(regels, res.sleutel.jaar, res.eersteProduct, bestanden, artikelen,
                             Tillra::TlrSettings::Object().OmschrijvingVanKaart());
    return regels;
}

ProductenStand LeesProducten(const brlib::RsvReservering& res)
{
    ProductenStand stand;
    brlib::stInCheck inCheck;
    if (!res.GetIncheckProdReg(inCheck)) {
        stand.regels = ProductenInlezen(res);
        return stand;
    }
    stand.registratie = inCheck.kassaRegistratie;
    stand.uitgecheckt = inCheck.uitgecheckt;
    VoegAfgerekendToe(stand);
    stand.alleenLezen = static_cast<int>(stand.regels.size());
    VoegOpenBonToe(stand);
    return stand;
}

QString KassaInfo(const ProductenStand& stand)
{
    QString tekst = QStringLiteral("Producten geregistreerd op reg. ") + stand.registratie.String(2, 6);
    if (stand.uitgecheckt)
        tekst += QStringLiteral(" Kamer is uitgechecked.");
    if (!stand.kassaFout.isEmpty())
        tekst += QLatin1Char(' ') + stand.kassaFout;
    return tekst;
}

std::vector<t_BonRegel> BestelVerschil(const std::vector<t_BonRegel>& bon, const std::vector<t_BonRegel>& bewerkbaar)
{
    std::vector<bool> geteld(bewerkbaar.size(), false);
    std::vector<t_BonRegel> bestelling;
    for (const t_BonRegel& bonRegel : bon) {
        if (bonRegel.IsTekstRegel())
            continue;
        double aantal = 0;
        for (size_t i = 0; i < bewerkbaar.size(); ++i) {
            if (!geteld[i] && !bewerkbaar[i].IsTekstRegel() && bewerkbaar[i].ZelfdeBestelling(bonRegel)) {
                geteld[i] = true;
                aantal += bewerkbaar[i].aantal;
            }
        }
        const double verschil = Tillra::rondaf(aantal, 3) - Tillra::rondaf(bonRegel.aantal, 3);
        if (Tillra::rondaf(verschil, 3) != 0) {
            bestelling.push_back(bonRegel);
            bestelling.back().aantal = Tillra::rondaf(verschil, 3);
        }
    }
    for (size_t i = 0; i < bewerkbaar.size(); ++i)
        if (!geteld[i] && !bewerkbaar[i].IsTekstRegel())
            bestelling.push_back(bewerkbaar[i]);
    return bestelling;
}

bool BestelVerschillen(const JaarNr& registratie, const std::vector<t_BonRegel>& bewerkbaar, QString& fout)
{
    Tillra::TKSCommunicatie& kassa = Tillra::KSVerbinding();
    const Tillra::ItemNummer item(Tillra::itRegistratie, registratie);
    std::vector<t_BonRegel> bon;
    bool gelukt = kassa.KSGetTafelBon(item, bon);
    if (gelukt) {
        const std::vector<t_BonRegel> bestelling = BestelVerschil(bon, bewerkbaar);
        gelukt = bestelling.empty() || kassa.KSMaakBestelling(item, bestelling);
    }
    if (!gelukt)
        fout = kassa.LaatsteFout();
    return gelukt;
}
