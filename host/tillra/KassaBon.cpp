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

bool LeesOpenRegistratie(RegistratieCache& cache, const JaarNr& nummer, sa_kas_registratie& rcd, QString& fout)
{
    if (!LeesRegistratie(cache, nummer, rcd, fout))
        return false;
    if (rcd.status == Registratie::stAfgehandeld) {
        fout = QStringLiteral("Registratie %1 is al afgehandeld.").arg(nummer.String(2, 6));
        return false;
    }
    return true;
}

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

void BoekOpRegistratie(const JaarNr& registratie, int32_t kassaNr, const JaarNr& mutatie, RegistratieCache& registraties)
{
    RecordCache<sa_kas_reg_boeking> boekingen(KassaBestanden::RegBoeking, brlib::tfPerJaar, false, false);
    sa_kas_reg_boeking rcd{};
    rcd.regNr = registratie.nr;
    rcd.kassaNr = kassaNr;
    rcd.mutJaar = static_cast<uint16_t>(mutatie.jaar);
    rcd.mutNr = mutatie.nr;
    const int32_t nr = boekingen.GetFreeRecord(registratie.jaar);
    boekingen.Store(registratie.jaar, nr, rcd);
    boekingen.VoegAchterKetting(registratie.jaar, nr, 0, registraties, registratie.nr, 0);
}

JaarNr SchrijfMutatie(const sa_kas_mutatie& kop, const std::vector<t_BonRegel>& regels, TDateTime moment)
{
    RecordCache<sa_kas_mutatie> mutaties(KassaBestanden::Mutatie, brlib::tfPerJaar, false, false);
    BonRegelBestanden bestanden(KassaBestanden::MutatieRegels, false);
    const JaarNr sleutel(Jaar(moment), mutaties.RecordCount(Jaar(moment)) + 1);
    sa_kas_mutatie rcd = kop;
    OpslaanBonRegels(regels, sleutel.jaar, sleutel.nr, rcd.eersteRegel, rcd.laatsteRegel, bestanden);
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
            RegistratieCache cache(KassaBestanden::Registratie, brlib::tfPerJaar, false, false);
            sa_kas_registratie rcd{};
            if (!LeesOpenRegistratie(cache, registratie, rcd, reden))
                return false;
            BonRegelBestanden bestanden(KassaBestanden::RegistratieRegels, false);
            std::vector<t_BonRegel> open;
            InlezenBonRegels(open, registratie.jaar, rcd.eersteRegel, bestanden);
            VoegBestellingToe(open, regels);
            VerwijderBonRegels(registratie.jaar, rcd.eersteRegel, rcd.laatsteRegel, bestanden);
            OpslaanBonRegels(open, registratie.jaar, registratie.nr, rcd.eersteRegel, rcd.laatsteRegel, bestanden);
            ++rcd.wijzigTeller;
            cache.Store(registratie, rcd);
            return true;
        },
        fout);
}

bool Afrekenen(const JaarNr& registratie, int32_t kassaNr, AfrekenWijze wijze, TDateTime moment, double& bedrag,
               QString& fout)
{
    return KassaActie(
        [&](QString& reden) {
            RegistratieCache cache(KassaBestanden::Registratie, brlib::tfPerJaar, false, false);
            sa_kas_registratie rcd{};
            if (!LeesOpenRegistratie(cache, registratie, rcd, reden))
                return false;
            BonRegelBestanden bestanden(KassaBestanden::RegistratieRegels, false);
            std::vector<t_BonRegel> open;
            InlezenBonRegels(open, registratie.jaar, rcd.eersteRegel, bestanden);
            const double bonBedrag = TotaalBedrag(open, moment);
            const bool betaald = wijze == AFREKENEN_BETAALD;
            if (open.empty() && (!betaald || rcd.openstaand == 0)) {
                reden = QStringLiteral("Er is niets af te rekenen op registratie %1.").arg(registratie.String(2, 6));
                return false;
            }
            bedrag = betaald ? rondaf(bonBedrag + rcd.openstaand, 2) : bonBedrag;
            sa_kas_mutatie kop{};
            kop.kassaNr = kassaNr;
            kop.regJaar = static_cast<uint16_t>(registratie.jaar);
            kop.regNr = registratie.nr;
            kop.moment = DateToDatumTijd(moment);
            kop.bedrag = bedrag;
            kop.wijze = static_cast<uint16_t>(wijze);
            const JaarNr mutatie = SchrijfMutatie(kop, open, moment);
            BoekOpRegistratie(registratie, kassaNr, mutatie, cache);
            rcd = cache.Record(registratie);
            VerwijderBonRegels(registratie.jaar, rcd.eersteRegel, rcd.laatsteRegel, bestanden);
            if (betaald) {
                rcd.betaald = rondaf(rcd.betaald + bedrag, 2);
                rcd.openstaand = 0;
            } else {
                rcd.openstaand = rondaf(rcd.openstaand + bedrag, 2);
            }
            rcd.gewijzigd = kop.moment;
            ++rcd.wijzigTeller;
            cache.Store(registratie, rcd);
            return true;
        },
        fout);
}

}  // namespace Tillra
