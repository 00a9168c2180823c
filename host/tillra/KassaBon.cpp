#include "host/tillra/KassaBon.h"

#include <algorithm>

#include "host/tillra/Afronding.h"
#include "host/tillra/BonRegelOpslag.h"
#include "host/tillra/KassaActie.h"
#include "host/tillra/KassaBestanden.h"
#include "host/tillra/Registratie.h"
#include "host/tillra/RegistratieBestand.h"

namespace Tillra {

namespace {

// A registration and its open bill, read inside the action that changes them.
struct OpenBon {
    explicit OpenBon(const JaarNr& nummer) : nummer(nummer) {}

    // False with a reason for an unknown or closed registration.
    bool Lees(QString& fout)
    {
        if (!LeesRegistratie(cache, nummer, rcd, fout))
            return false;
        if (rcd.status == Registratie::stAfgehandeld) {
            fout = QStringLiteral("Registratie %1 is al afgehandeld.").arg(nummer.String(2, 6));
            return false;
        }
        InlezenBonRegels(regels, nummer.jaar, rcd.eersteRegel, bestanden);
        return true;
    }

    // Replaces the stored bill by `nieuw` and stores the registration.
    void Bewaar(const std::vector<t_BonRegel>& nieuw)
    {
        int32_t eerste = rcd.eersteRegel;
        int32_t laatste = rcd.laatsteRegel;
        VerwijderBonRegels(nummer.jaar, eerste, laatste, bestanden);
        OpslaanBonRegels(nieuw, nummer.jaar, nummer.nr, eerste, laatste, bestanden);
        rcd.eersteRegel = eerste;
        rcd.laatsteRegel = laatste;
        ++rcd.wijzigTeller;
        cache.Store(nummer, rcd);
    }

    JaarNr nummer;
    RegistratieCache cache{KassaBestanden::Registratie, brlib::tfPerJaar, false, false};
    BonRegelBestanden bestanden{KassaBestanden::RegistratieRegels, false};
    sa_kas_registratie rcd{};
    std::vector<t_BonRegel> regels;
};

void VoegBestellingToe(std::vector<t_BonRegel>& open, const std::vector<t_BonRegel>& bestelling)
{
    for (const t_BonRegel& regel : bestelling) {
        if (regel.IsTekstRegel())
            continue;
        auto zelfde = std::find_if(open.begin(), open.end(), [&](const t_BonRegel& o) { return o.ZelfdeBestelling(regel); });
        if (zelfde != open.end())
            zelfde->aantal = rondaf(zelfde->aantal + regel.aantal, 3);
        else
            open.push_back(regel);
    }
    std::erase_if(open, [](const t_BonRegel& r) { return rondaf(r.aantal, 3) == 0; });
}

void BoekOpRegistratie(OpenBon& bon, int32_t kassaNr, const JaarNr& mutatie)
{
    RecordCache<sa_kas_reg_boeking> boekingen(KassaBestanden::RegBoeking, brlib::tfPerJaar, false, false);
    sa_kas_reg_boeking rcd{};
    rcd.regNr = bon.nummer.nr;
    rcd.kassaNr = kassaNr;
    rcd.mutJaar = static_cast<uint16_t>(mutatie.jaar);
    rcd.mutNr = mutatie.nr;
    const int32_t nr = boekingen.GetFreeRecord(bon.nummer.jaar);
    boekingen.Store(bon.nummer.jaar, nr, rcd);
    int32_t eerste = bon.rcd.eerste;
    int32_t laatste = bon.rcd.laatste;
    boekingen.VoegAchterKetting(bon.nummer.jaar, nr, 0, eerste, laatste);
    bon.rcd.eerste = eerste;
    bon.rcd.laatste = laatste;
}

// The settled bill, in the files of the year it is settled in.
JaarNr SchrijfMutatie(const OpenBon& bon, int32_t kassaNr, AfrekenWijze wijze, double bedrag, TDateTime moment)
{
    RecordCache<sa_kas_mutatie> mutaties(KassaBestanden::Mutatie, brlib::tfPerJaar, false, false);
    BonRegelBestanden bestanden(KassaBestanden::MutatieRegels, false);
    const JaarNr sleutel(Jaar(moment), mutaties.RecordCount(Jaar(moment)) + 1);
    sa_kas_mutatie rcd{};
    rcd.kassaNr = kassaNr;
    rcd.regJaar = static_cast<uint16_t>(bon.nummer.jaar);
    rcd.regNr = bon.nummer.nr;
    rcd.moment = DateToDatumTijd(moment);
    rcd.bedrag = bedrag;
    rcd.wijze = static_cast<uint16_t>(wijze);
    int32_t eerste = 0;
    int32_t laatste = 0;
    OpslaanBonRegels(bon.regels, sleutel.jaar, sleutel.nr, eerste, laatste, bestanden);
    rcd.eersteRegel = eerste;
    rcd.laatsteRegel = laatste;
    mutaties.Store(sleutel, rcd);
    return sleutel;
}

}  // namespace

double TotaalBedrag(const std::vector<t_BonRegel>& regels, TDateTime moment)
{
    double som = 0;
    for (const t_BonRegel& regel : regels)
        som += regel.getBedragIncl(moment);
    return rondaf(som, 2);
}

bool Bestellen(const JaarNr& registratie, const std::vector<t_BonRegel>& regels, QString& fout)
{
    return KassaActie(
        [&](QString& reden) {
            OpenBon bon(registratie);
            if (!bon.Lees(reden))
                return false;
            VoegBestellingToe(bon.regels, regels);
            bon.Bewaar(bon.regels);
            return true;
        },
        fout);
}

bool Afrekenen(const JaarNr& registratie, int32_t kassaNr, AfrekenWijze wijze, TDateTime moment, double& bedrag,
               QString& fout)
{
    return KassaActie(
        [&](QString& reden) {
            OpenBon bon(registratie);
            if (!bon.Lees(reden))
                return false;
            const bool betaald = wijze == AFREKENEN_BETAALD;
            if (bon.regels.empty() && (!betaald || bon.rcd.openstaand == 0)) {
                reden = QStringLiteral("Er is niets af te rekenen op registratie %1.").arg(registratie.String(2, 6));
                return false;
            }
            const double bonBedrag = TotaalBedrag(bon.regels, moment);
            bedrag = betaald ? rondaf(bonBedrag + bon.rcd.openstaand, 2) : bonBedrag;
            BoekOpRegistratie(bon, kassaNr, SchrijfMutatie(bon, kassaNr, wijze, bedrag, moment));
            bon.rcd.betaald = betaald ? rondaf(bon.rcd.betaald + bedrag, 2) : bon.rcd.betaald;
            bon.rcd.openstaand = betaald ? 0 : rondaf(bon.rcd.openstaand + bedrag, 2);
            bon.rcd.gewijzigd = DateToDatumTijd(moment);
            bon.Bewaar({});
            return true;
        },
        fout);
}

}  // namespace Tillra
