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

ActieUitkomst VoerUit(const Schrijfstap& stap, const QString& titel)
{
    ActieUitkomst uitkomst;
    StapUitkomst gemeld = StapUitkomst::Mislukt();
    try {
        brlib::RsvActie actie;
        if (!actie.Locked())
            return uitkomst;
        ReserveringSchrijver schrijver;
        gemeld = stap(schrijver);
        if (gemeld.afloop == Afloop::Opgeslagen) {
            uitkomst.updateCount = brlib::RsvChangeUpdateCount();
            actie.Commit();
        }
        uitkomst.afloop = gemeld.afloop;
    } catch (const EBrRuntime& e) {  // a full disk, a damaged chain: the uncommitted action is dropped
        uitkomst = ActieUitkomst{Afloop::Gedaan};  // told below; the board reads again
        gemeld = StapUitkomst::Geweigerd(QStringLiteral("De wijziging is niet geregistreerd.\n") + e.Message());
    }
    if (!gemeld.melding.isEmpty())
        Toon(gemeld, titel);
    return uitkomst;
}

}  // namespace bord
