#include "reservation/ResActie.h"

#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "host/records/UpdateCount.h"
#include "host/ui/Messages.h"
#include "logboek/LogboekActie.h"
#include "reservation/ReserveringSchrijver.h"

ActieUitkomst VoerActieUit(const std::function<bool(ReserveringSchrijver&)>& schrijf, QString& fout,
                           int32_t* updateCount)
{
    try {
        brlib::RsvActie actie;
        if (!actie.Locked())
            return ActieUitkomst::GeenSlot;
        logboek::LogboekActie logboek;
        ReserveringSchrijver schrijver;
        if (!schrijf(schrijver))
            return ActieUitkomst::Geweigerd;
        logboek.Vastleggen();
        const int32_t nieuweCount = brlib::RsvChangeUpdateCount();
        actie.Commit();
        if (updateCount)
            *updateCount = nieuweCount;
        return ActieUitkomst::Gedaan;
    } catch (const EBrRuntime& e) {  // a full disk, a damaged chain, a journal that could not be recovered
        // Leaving the try block dropped the uncommitted action and freed the lock.
        fout = e.Message();
        return ActieUitkomst::Fout;
    }
}

ActieUitkomst VoerResActieUit(const ResSchrijfStap& schrijf, const QString& foutKop, const QString& titel,
                              int32_t* updateCount)
{
    std::optional<QString> melding;
    QString fout;
    const ActieUitkomst uitkomst = VoerActieUit(
        [&](ReserveringSchrijver& schrijver) {
            melding = schrijf(schrijver);
            return !melding;
        },
        fout, updateCount);
    if (uitkomst == ActieUitkomst::Fout)
        melding = foutKop + QLatin1Char('\n') + fout;
    if (melding)
        ErrorMsg(*melding, titel);
    return uitkomst;
}
