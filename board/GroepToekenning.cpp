#include "board/GroepToekenning.h"

#include "logboek/LogboekActie.h"
#include "reservation/ReserveringSchrijver.h"

namespace bord {

namespace {

const QString kGewijzigd = QStringLiteral(
    "Kan niet registreren, de gegevens zijn tussentijds (op een andere werkplek) gewijzigd. Probeer het opnieuw.");

StapUitkomst Schrijf(ReserveringSchrijver& s, const GroepToekenning& t)
{
    if (s.LeesKop(t.a).groepNr != t.groepA || s.LeesKop(t.b).groepNr != t.groepB)
        return StapUitkomst::Geweigerd(kGewijzigd);
    if (t.groepA > 0)
        s.NeemUitGroep(t.groepA, t.a);
    const bool nieuweGroep = t.groepB == 0;
    const int32_t groep = nieuweGroep ? s.NieuwGroepNr() : t.groepB;
    s.VoegToeAanGroep(groep, t.a);
    s.WijzigKop(t.a, [&](WIN_rsv_res_hfd& kop) { kop.groepNr = groep; });
    if (nieuweGroep && t.b != t.a) {
        s.VoegToeAanGroep(groep, t.b);
        s.WijzigKop(t.b, [&](WIN_rsv_res_hfd& kop) { kop.groepNr = groep; });
    }
    return {};
}

}  // namespace

QString GroepBezwaar(const GroepToekenning& t)
{
    if (t.groepA > 0 && t.groepA == t.groepB)
        return QStringLiteral("De reservering zit al in de geselecteerde groep!");
    return {};
}

QString GroepVraag(const GroepToekenning& t)
{
    const QString p = QStringLiteral("Reservering ") + t.a.String(2, 5);
    QString vraag;
    if (t.groepB == 0) {
        vraag = QStringLiteral("U heeft een reservering geselecteerd die niet aan een groep is toegekend.\n");
        if (t.groepA > 0)
            vraag += p + QStringLiteral(" wordt uit groep ") + QString::number(t.groepA) +
                     QStringLiteral(" verwijderd.\n");
        vraag +=
            QStringLiteral("Er wordt dan een nieuwe groep aangemaakt waaraan beide reserveringen worden toegekend.");
    } else if (t.groepA > 0) {
        vraag = p + QStringLiteral(" wordt nu verwijderd uit groep ") + QString::number(t.groepA) +
                QStringLiteral(" en toegekend aan groep ") + QString::number(t.groepB) + QStringLiteral(".");
    } else {
        vraag = p + QStringLiteral(" wordt nu toegekend aan groep ") + QString::number(t.groepB) + QStringLiteral(".");
    }
    return vraag + QStringLiteral("\nWilt u doorgaan?");
}

Afloop RegistreerGroep(const GroepToekenning& t, const QString& titel)
{
    if (const QString bezwaar = GroepBezwaar(t); !bezwaar.isEmpty()) {
        WarningMsg(bezwaar, kGroepTitel);
        return Afloop::Gedaan;
    }
    return VoerUit(
        [&](ReserveringSchrijver& s) {
            logboek::NoteerReservering(QStringLiteral("Groep toekennen"), t.a);
            logboek::NoteerReservering(QStringLiteral("Groep toekennen"), t.b);
            return Schrijf(s, t);
        },
        titel);
}

}  // namespace bord
