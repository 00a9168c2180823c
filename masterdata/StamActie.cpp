#include "masterdata/StamActie.h"

#include "host/records/Locks.h"
#include "host/ui/HandlerGuard.h"
#include "host/ui/Messages.h"
#include "logboek/LogboekActie.h"

bool VoerStamActieUit(const QString& titel, const std::function<QString()>& stappen)
{
    QString fout;
    bool gelukt = false;
    // An error (also a journal that could not be recovered) leaves the
    // action before Commit: it is dropped with `actie`, nothing written and the
    // lock free before the error is shown.
    RunGuarded(titel, [&] {
        brlib::RsvActie actie;
        if (!actie.Locked())
            return;
        logboek::LogboekActie logboek;
        fout = stappen();
        if (fout.isEmpty()) {
            logboek.Vastleggen();
            actie.Commit();
            gelukt = true;
        }
    });
    if (!fout.isEmpty())
        ErrorMsg(fout, titel);
    return gelukt;
}
