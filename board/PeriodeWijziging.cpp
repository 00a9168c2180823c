#include "board/PeriodeWijziging.h"

#include <vector>

#include "host/brlib/KamerBezetting.h"
#include "logboek/LogboekActie.h"
#include "reservation/ReserveringSchrijver.h"

namespace bord {

namespace {

const QString kBezet = QStringLiteral(
    "Kan de wijziging niet registreren omdat door tussentijdse wijzigingen (op andere werkplekken) een of meerdere "
    "kamers niet meer vrij zijn voor de opgegeven periode.\n"
    "De gegevens worden nu opnieuw ingelezen. Probeer het daarna opnieuw.");
const QString kGewijzigd = QStringLiteral(
    "Kan de wijziging niet registreren omdat deze reservering tussentijds (op een andere werkplek) is gewijzigd.\n"
    "De gegevens worden nu opnieuw ingelezen. Probeer het daarna opnieuw.");
const QString kAnderJaar = QStringLiteral(
    "Kan de periode niet wijzigen: de nieuwe begindatum ligt in een ander jaar dan de reservering.");

StapUitkomst Controleer(ReserveringSchrijver& s, const PeriodeWijziging& p, const std::vector<int32_t>& regels)
{
    const int32_t jaar = p.reservering.jaar;
    for (int32_t nr : regels) {
        const WIN_rsv_res_rgl regel = s.LeesRegel(jaar, nr);
        if (regel.verplaatstNaar > 0)
            return StapUitkomst::Geweigerd(GesplitstTekst(), MsgKind::Warning, QStringLiteral("Verplaatsten"));
        if (!brlib::ZoekKamerBezetting(regel.kamerNr, p.nieuwBegin, p.nieuwEind, p.reservering).empty())
            return StapUitkomst::Geweigerd(kBezet);
    }
    if (p.tellerBekend && s.LeesKop(p.reservering).wijzigTeller != p.wijzigTeller)
        return StapUitkomst::Geweigerd(kGewijzigd);
    return {};
}

StapUitkomst Schrijf(ReserveringSchrijver& s, const PeriodeWijziging& p)
{
    const std::vector<int32_t> regels = s.RegelNummers(p.reservering);
    if (StapUitkomst bezwaar = Controleer(s, p, regels); bezwaar.afloop != Afloop::Opgeslagen)
        return bezwaar;
    s.NeemKopUitDag(p.reservering);
    s.WijzigKop(p.reservering, [&](WIN_rsv_res_hfd& kop) {
        kop.ZetBeginDatum(p.nieuwBegin);
        kop.ZetEindDatum(p.nieuwEind);
    });
    s.ZetKopInDag(p.reservering);
    const int32_t jaar = p.reservering.jaar;
    for (int32_t nr : regels) {
        s.NeemRegelUitDag(jaar, nr);
        s.WijzigRegel(jaar, nr, [&](WIN_rsv_res_rgl& r) {
            r.ZetBeginDatum(p.nieuwBegin);
            r.ZetEindDatum(p.nieuwEind);
        });
        s.ZetRegelInDag(jaar, nr);
    }
    return {};
}

}  // namespace

QString GesplitstTekst()
{
    return QStringLiteral(
        "Kan de periode niet wijzigen van een reservering waarvan een kamer gedeeltelijk is verplaatst.\n"
        "U kunt hiervan nog wel de einddatum veranderen (bij wijzigen)");
}

Afloop RegistreerPeriodeWijziging(const PeriodeWijziging& p, const QString& titel)
{
    // Lines are read only under the day of their own year (see the writer's contract).
    if (Jaar(p.nieuwBegin) != p.reservering.jaar) {
        ErrorMsg(kAnderJaar, titel);
        return Afloop::Gedaan;
    }
    return VoerUit(
        [&](ReserveringSchrijver& s) {
            logboek::NoteerReservering(QStringLiteral("Periode wijzigen"), p.reservering);
            return Schrijf(s, p);
        },
        titel);
}

}  // namespace bord
