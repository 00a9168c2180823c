#include "board/BordActie.h"

#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "host/records/UpdateCount.h"
#include "reservation/ReserveringSchrijver.h"

namespace bord {

namespace {

void Toon(const StapUitkomst& stap, const QString& titel)
{
    const QString& t = stap.titel.isEmpty() ? titel : stap.titel;
    switch (stap.soort) {
    case MsgKind::Error: ErrorMsg(stap.melding, t); break;
    case MsgKind::Warning: WarningMsg(stap.melding, t); break;
    case MsgKind::Info: InfoMsg(stap.melding, t); break;
    }
}

}  // namespace

Afloop VoerUit(const Schrijfstap& stap, const QString& titel)
{
    Afloop afloop = Afloop::Mislukt;
    StapUitkomst gemeld = StapUitkomst::Mislukt();
    try {
        brlib::RsvActie actie;
        if (!actie.Locked())
            return afloop;
        ReserveringSchrijver schrijver;
        gemeld = stap(schrijver);
        if (gemeld.afloop == Afloop::Opgeslagen) {
            brlib::RsvChangeUpdateCount();
            actie.Commit();
        }
        afloop = gemeld.afloop;
    } catch (const EBrRuntime& e) {  // a full disk, a damaged chain: the uncommitted action is dropped
        afloop = Afloop::Gedaan;  // told below; the board reads again
        gemeld = StapUitkomst::Geweigerd(QStringLiteral("De wijziging is niet geregistreerd.\n") + e.Message());
    }
    if (!gemeld.melding.isEmpty())
        Toon(gemeld, titel);
    return afloop;
}

}  // namespace bord
