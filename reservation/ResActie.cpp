#include "reservation/ResActie.h"

#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "host/records/UpdateCount.h"
#include "host/ui/Messages.h"
#include "reservation/ReserveringSchrijver.h"

ActieUitkomst VoerResActieUit(const ResSchrijfStap& schrijf, const QString& foutKop, const QString& titel,
                              int32_t* updateCount)
{
    ActieUitkomst uitkomst = ActieUitkomst::Gedaan;
    std::optional<QString> melding;
    try {
        brlib::RsvActie actie;
        if (!actie.Locked())
            return ActieUitkomst::GeenSlot;
        ReserveringSchrijver schrijver;
        melding = schrijf(schrijver);
        if (melding) {
            uitkomst = ActieUitkomst::Geweigerd;
        } else {
            const int32_t nieuweCount = brlib::RsvChangeUpdateCount();
            actie.Commit();
            if (updateCount)
                *updateCount = nieuweCount;
        }
    } catch (const EBrRuntime& e) {  // a full disk, a damaged chain, a hot journal that would not roll back
        uitkomst = ActieUitkomst::Fout;
        melding = foutKop + QLatin1Char('\n') + e.Message();
    }
    // Leaving the try block dropped an uncommitted action and freed the lock.
    if (melding)
        ErrorMsg(*melding, titel);
    return uitkomst;
}
