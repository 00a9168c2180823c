#include "reservation/ResGegBewaren.h"

#include <cstring>

#include "logboek/LogboekActie.h"
#include "reservation/ReserveringSchrijver.h"
#include "store/RecordTekst.h"

namespace {

const QString kTussentijds = QStringLiteral(
    "Kan wijziging niet registreren omdat de reservering tussentijds (op een andere werkplek) is gewijzigd.\n"
    "De gegevens worden nu opnieuw ingelezen. Probeer het daarna opnieuw.");

const QString kBezet = QStringLiteral(
    "Kan wijziging niet registreren omdat door tussentijdse wijzigingen (op andere werkplekken) een of meerdere "
    "kamers niet meer vrij zijn tot de nieuwe einddatum.\n"
    "De gegevens worden nu opnieuw ingelezen. Probeer het daarna opnieuw.");

// The form checked the extension before the lock; another workstation may have
// booked into it since, so the rooms that stay are checked again on disk.
bool VerlengingVrij(ReserveringSchrijver& schrijver, const ResWijziging& w, TDateTime oudEind)
{
    std::vector<brlib::stRes> verlenging;
    for (const brlib::stRes& regel : w.regels) {
        if (regel.verplaatstNaar > 0 || w.eind <= oudEind)
            continue;
        brlib::stRes stuk = regel;
        stuk.begin = oudEind;
        stuk.eind = w.eind;
        verlenging.push_back(stuk);
    }
    return verlenging.empty() || schrijver.KamersVrij(verlenging);
}

bool PersonenGewijzigd(ReserveringSchrijver& schrijver, const ResWijziging& w)
{
    for (const brlib::stRes& regel : w.regels)
        if (schrijver.LeesRegel(w.sleutel.jaar, regel.regelNr).personen != regel.personen)
            return true;
    return false;
}

void SchrijfProducten(ReserveringSchrijver& schrijver, WIN_rsv_res_hfd& kop, const ResWijziging& w)
{
    schrijver.SchrijfProducten(kop, w.sleutel, w.gegevens.producten);
    if (!w.productenBijKassa)
        kop.productStatus = w.gegevens.producten.empty() ? 0 : 1;
}

void SchrijfKop(ReserveringSchrijver& schrijver, const ResWijziging& w, bool eindGewijzigd)
{
    schrijver.WijzigKop(w.sleutel, [&](WIN_rsv_res_hfd& kop) {
        if (eindGewijzigd) {
            kop.ZetEindDatum(w.eind);
            kop.totaalBedrag = w.totaalBedrag;
        }
        schrijver.SchrijfTeksten(kop, w.gegevens, w.sleutel);
        if (w.productenOpslaan)
            SchrijfProducten(schrijver, kop, w);
        kop.relatieNr = w.gegevens.relatieNr;
        kop.relatieNr2 = w.gegevens.relatieNr2;
        kop.soort = w.gegevens.vlaggen[0];
        kop.nationaliteit = w.gegevens.vlaggen[1];
        kop.zakelijk = w.gegevens.vlaggen[2];
        std::memcpy(kop.extra, w.gegevens.extra.data(), sizeof kop.extra);
        schrijver.SchrijfVoorRegs(kop, w.sleutel, w.voorRegs);
    });
}

void SchrijfRegels(ReserveringSchrijver& schrijver, const ResWijziging& w)
{
    for (const brlib::stRes& regel : w.regels) {
        schrijver.WijzigRegel(w.sleutel.jaar, regel.regelNr, [&](WIN_rsv_res_rgl& rcd) {
            if (rcd.verplaatstNaar <= 0) {
                rcd.ZetEindDatum(regel.eind);
                rcd.prijs = regel.prijs;
                rcd.bedrag = regel.bedrag;
            }
            rcd.soort = w.gegevens.vlaggen[0];
            ZetTekst(rcd.tariefCode, regel.tariefCode);
            ZetTekst(rcd.tariefTekst2, regel.tariefTekst2);
            rcd.personen = static_cast<uint16_t>(regel.personen);
        });
    }
}

std::optional<QString> Bewaar(ReserveringSchrijver& schrijver, const ResWijziging& w)
{
    const WIN_rsv_res_hfd kop = schrijver.LeesKop(w.sleutel);
    if (kop.wijzigTeller != w.wijzigTeller)
        return kTussentijds;
    const bool eindGewijzigd = kop.EindDatum() != w.eind;  // whole days on both sides
    if (eindGewijzigd && !VerlengingVrij(schrijver, w, kop.EindDatum()))
        return kBezet;
    const bool herschrijf = eindGewijzigd || kop.soort != w.gegevens.vlaggen[0] || PersonenGewijzigd(schrijver, w);
    SchrijfKop(schrijver, w, eindGewijzigd);
    if (herschrijf)
        SchrijfRegels(schrijver, w);
    return std::nullopt;
}

}  // namespace

ResWijziging MaakWijziging(const brlib::RsvReservering& gelezen, const brlib::RsvReservering& geprijsd,
                           const ResGegevens& gegevens, const std::vector<brlib::stVoorReg>& voorRegs)
{
    return {gelezen.sleutel,      gelezen.wijzigTeller,  gegevens,
            voorRegs,             geprijsd.kamerRegels,  geprijsd.eind,
            geprijsd.totaalBedrag, !gelezen.GetProductenRegNr().IsLeeg()};
}

ActieUitkomst BewaarResWijziging(const ResWijziging& wijziging, const QString& titel)
{
    return VoerResActieUit(
        [&](ReserveringSchrijver& schrijver) {
            logboek::NoteerReservering(QStringLiteral("Gegevens wijzigen"), wijziging.sleutel);
            return Bewaar(schrijver, wijziging);
        },
                           QStringLiteral("De wijzigingen zijn niet opgeslagen."), titel);
}
