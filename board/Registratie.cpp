#include "board/Registratie.h"

#include <optional>

#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "host/records/UpdateCount.h"
#include "host/ui/Messages.h"
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

QString SchijfFoutTekst(bool meerdere, const EBrRuntime& fout)
{
    return QStringLiteral("De nieuwe ") + Zelfstandignaamwoord(meerdere) +
           QStringLiteral(" is niet geregistreerd.\n") + fout.Message();
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
    std::optional<QString> fout;
    try {
        brlib::RsvActie actie;
        if (!actie.Locked())
            return resultaat;
        ReserveringSchrijver schrijver;
        if (!schrijver.KamersVrij(regels)) {
            fout = BezetTekst(meerdere);
            resultaat.gedaan = true;
        } else {
            SchrijfAlles(schrijver, regels, gegevens, meerdere, resultaat);
            resultaat.updateCount = brlib::RsvChangeUpdateCount();
            actie.Commit();
            resultaat.gedaan = resultaat.opgeslagen = true;
        }
    } catch (const EBrRuntime& e) {  // a full disk, a damaged chain, a hot journal that would not roll back
        resultaat = RegistratieResultaat{};
        fout = SchijfFoutTekst(meerdere, e);
    }
    // Leaving the try block dropped an uncommitted action and freed the lock.
    if (fout)
        ErrorMsg(*fout, titel);
    return resultaat;
}

}  // namespace bord
