#include "reservation/ResAnnulering.h"

#include "logboek/LogboekActie.h"
#include "reservation/ReserveringSchrijver.h"

namespace {

const QString kTussentijds = QStringLiteral(
    "Kan de reservering niet annuleren omdat deze tussentijds (op een andere werkplek) gewijzigd is.\n"
    "Dit venster wordt nu afgesloten. Probeer het daarna opnieuw.");

constexpr uint16_t kGeannuleerd = 99;

void NeemUitGroep(ReserveringSchrijver& schrijver, JaarNr sleutel)
{
    const int32_t groep = schrijver.LeesKop(sleutel).groepNr;
    if (groep <= 0)
        return;
    schrijver.NeemUitGroep(groep, sleutel);
    schrijver.WijzigKop(sleutel, [](WIN_rsv_res_hfd& kop) { kop.groepNr = 0; });
}

std::optional<QString> Annuleer(ReserveringSchrijver& schrijver, JaarNr sleutel, int32_t wijzigTeller)
{
    const WIN_rsv_res_hfd kop = schrijver.LeesKop(sleutel);
    // Cancelled elsewhere under a counter that was read again since: nothing left to take out.
    if (kop.wijzigTeller != wijzigTeller || kop.status == kGeannuleerd)
        return kTussentijds;
    schrijver.VerwijderRegels(sleutel);
    schrijver.NeemKopUitDag(sleutel);
    schrijver.WijzigKop(sleutel, [&](WIN_rsv_res_hfd& kop) {
        schrijver.LeegTeksten(kop, sleutel);
        schrijver.VerwijderProducten(kop, sleutel);
        kop.status = kGeannuleerd;
    });
    NeemUitGroep(schrijver, sleutel);
    return std::nullopt;
}

}  // namespace

ActieUitkomst AnnuleerReservering(JaarNr sleutel, int32_t wijzigTeller, const QString& titel)
{
    return VoerResActieUit(
        [&](ReserveringSchrijver& s) {
            logboek::NoteerReservering(QStringLiteral("Annuleren"), sleutel);
            return Annuleer(s, sleutel, wijzigTeller);
        },
                           QStringLiteral("De reservering is niet geannuleerd."), titel);
}

ActieUitkomst VerwijderUitGroep(JaarNr sleutel, const QString& titel)
{
    return VoerResActieUit(
        [&](ReserveringSchrijver& s) {
            logboek::NoteerReservering(QStringLiteral("Uit groep"), sleutel);
            NeemUitGroep(s, sleutel);
            return std::optional<QString>();
        },
        QStringLiteral("De reservering is niet uit de groep verwijderd."), titel);
}
