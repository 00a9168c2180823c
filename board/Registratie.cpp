#include "board/Registratie.h"

#include "logboek/KamerStatus.h"
#include "logboek/LogboekActie.h"
#include "reservation/ResActie.h"
#include "reservation/ReserveringSchrijver.h"

namespace bord {

namespace {

QString Zelfstandignaamwoord(bool meerdere)
{
    return meerdere ? QStringLiteral("reservering(en)") : QStringLiteral("reservering");
}

QString BezetTekst(bool meerdere)
{
    return QStringLiteral("Kan de nieuwe ") + Zelfstandignaamwoord(meerdere) +
           QStringLiteral(" niet registreren omdat door tussentijdse wijzigingen (op andere werkplekken) een of "
                          "meerdere kamers niet meer vrij zijn voor de opgegeven periode.\n"
                          "De gegevens worden nu opnieuw ingelezen. Probeer het daarna opnieuw.");
}

// Housekeeping may have taken a room out of use since the board showed it.
QString BuitenGebruik(const std::vector<brlib::stRes>& regels)
{
    for (const brlib::stRes& regel : regels)
        if (QString melding = logboek::BuitenGebruikMelding(regel.kamerNr); !melding.isEmpty())
            return melding;
    return {};
}

// The writes of the action: one reservation with every line, or one per line
// in a new group when there is more than one.
void SchrijfAlles(ReserveringSchrijver& schrijver, const std::vector<brlib::stRes>& regels,
                  const ResGegevens& gegevens, bool meerdere, RegistratieResultaat& resultaat)
{
    const int aantal = static_cast<int>(regels.size());
    if (!meerdere) {
        std::vector<const brlib::stRes*> alle;
        for (const brlib::stRes& regel : regels)
            alle.push_back(&regel);
        resultaat.reserveringen.push_back(schrijver.SchrijfReservering(alle, gegevens, aantal, 0));
        return;
    }
    resultaat.groepNr = aantal > 1 ? schrijver.NieuwGroepNr() : 0;
    for (const brlib::stRes& regel : regels) {
        const JaarNr sleutel = schrijver.SchrijfReservering({&regel}, gegevens, aantal, resultaat.groepNr);
        resultaat.reserveringen.push_back(sleutel);
        if (resultaat.groepNr > 0)
            schrijver.VoegToeAanGroep(resultaat.groepNr, sleutel);
    }
}

}  // namespace

RegistratieResultaat Registreer(const std::vector<brlib::stRes>& regels, const ResGegevens& gegevens, bool meerdere,
                                const QString& titel)
{
    RegistratieResultaat resultaat;
    if (regels.empty())
        return resultaat;
    const ActieUitkomst uitkomst = VoerResActieUit(
        [&](ReserveringSchrijver& schrijver) -> std::optional<QString> {
            if (const QString buiten = BuitenGebruik(regels); !buiten.isEmpty())
                return buiten;
            if (!schrijver.KamersVrij(regels))
                return BezetTekst(meerdere);
            SchrijfAlles(schrijver, regels, gegevens, meerdere, resultaat);
            for (const JaarNr& sleutel : resultaat.reserveringen)
                logboek::NoteerNieuweReservering(QStringLiteral("Boeking"), sleutel);
            return std::nullopt;
        },
        QStringLiteral("De nieuwe ") + Zelfstandignaamwoord(meerdere) + QStringLiteral(" is niet geregistreerd."), titel,
        &resultaat.updateCount);
    if (uitkomst != ActieUitkomst::Gedaan)
        resultaat = RegistratieResultaat{};
    resultaat.opgeslagen = uitkomst == ActieUitkomst::Gedaan;
    // Also a room taken on disk ends the mode: the board's view is stale then.
    resultaat.gedaan = resultaat.opgeslagen || uitkomst == ActieUitkomst::Geweigerd;
    return resultaat;
}

}  // namespace bord
