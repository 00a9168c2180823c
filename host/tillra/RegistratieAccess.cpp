#include "host/tillra/RegistratieAccess.h"

#include "host/base/EBrRuntime.h"
#include "host/tillra/BonRegelOpslag.h"
#include "host/tillra/KassaActie.h"
#include "host/tillra/KassaBestanden.h"
#include "host/tillra/RegistratieBestand.h"

namespace Tillra {

namespace {

QString& Fout()
{
    static QString fout;
    return fout;
}

std::vector<Boeking> LeesBoekingen(RegistratieCache& registraties, const JaarNr& nummer)
{
    RecordCache<sa_kas_reg_boeking> cache(KassaBestanden::RegBoeking, brlib::tfPerJaar, true, true);
    std::vector<Boeking> boekingen;
    sa_kas_reg_boeking rcd{};
    for (int32_t nr = cache.EersteRecord(nummer.jaar, rcd, registraties, nummer.nr, 0); nr != 0;
         nr = cache.NextRecord(nummer.jaar, 0, rcd))
        boekingen.push_back({rcd.kassaNr, JaarNr(rcd.mutJaar, rcd.mutNr)});
    return boekingen;
}

}  // namespace

const QString& RegistratieAccess::LaatsteFout() { return Fout(); }

std::optional<Registratie> RegistratieAccess::Inlezen(const JaarNr& nummer, int opties)
{
    try {
        RegistratieCache cache(KassaBestanden::Registratie, brlib::tfPerJaar, true, true);
        sa_kas_registratie rcd{};
        if (!LeesRegistratie(cache, nummer, rcd, Fout()))
            return std::nullopt;
        Registratie reg;
        reg.nummer_ = nummer;
        reg.status_ = rcd.status;
        reg.inCheckNr_ = JaarNr(rcd.inCheckJaar, rcd.inCheckNr);
        reg.inCheckMoment_ = DatumTijdToDate(rcd.inCheckMoment);
        reg.openstaand_ = rcd.openstaand;
        reg.betaald_ = rcd.betaald;
        reg.wijzigTeller_ = rcd.wijzigTeller;
        if (opties & LEES_REGELS) {
            BonRegelBestanden regels(KassaBestanden::RegistratieRegels, true);
            InlezenBonRegels(reg.bonRegels_, nummer.jaar, rcd.eersteRegel, regels);
        }
        if (opties & LEES_BOEKINGEN)
            reg.boekingen_ = LeesBoekingen(cache, nummer);
        return reg;
    } catch (const EBrRuntime& e) {
        Fout() = e.Message();
        return std::nullopt;
    }
}

bool RegistratieAccess::Opslaan(TDateTime moment, Registratie& registratie, bool forceer)
{
    return KassaActie(
        [&](QString& fout) {
            RegistratieCache cache(KassaBestanden::Registratie, brlib::tfPerJaar, false, false);
            sa_kas_registratie rcd{};
            if (!LeesRegistratie(cache, registratie.nummer_, rcd, fout))
                return false;
            if (!forceer && rcd.wijzigTeller != registratie.wijzigTeller_) {
                fout = QStringLiteral("De registratie is tussentijds (op een andere werkplek of aan de kassa) gewijzigd.");
                return false;
            }
            rcd.status = static_cast<uint16_t>(registratie.status_);
            rcd.gewijzigd = DateToDatumTijd(moment);
            registratie.wijzigTeller_ = ++rcd.wijzigTeller;
            cache.Store(registratie.nummer_, rcd);
            return true;
        },
        Fout());
}

JaarNr RegistratieAccess::MaakIncheckReg(TDateTime moment, const JaarNr& inCheckNr)
{
    JaarNr nummer;
    const bool gelukt = KassaActie(
        [&](QString&) {
            RegistratieCache cache(KassaBestanden::Registratie, brlib::tfPerJaar, false, false);
            sa_kas_registratie rcd{};
            rcd.inCheckMoment = DateToDatumTijd(moment);
            rcd.inCheckJaar = static_cast<uint16_t>(inCheckNr.jaar);
            rcd.inCheckNr = inCheckNr.nr;
            rcd.wijzigTeller = 1;
            rcd.gewijzigd = rcd.inCheckMoment;
            nummer = JaarNr(Jaar(moment), cache.RecordCount(Jaar(moment)) + 1);
            cache.Store(nummer, rcd);
            return true;
        },
        Fout());
    return gelukt ? nummer : JaarNr();
}

}  // namespace Tillra
