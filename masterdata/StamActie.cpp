#include "masterdata/StamActie.h"

#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "host/ui/Messages.h"

bool VoerStamActieUit(const QString& titel, const std::function<QString()>& stappen)
{
    QString fout;
    try {
        brlib::RsvActie actie;
        if (!actie.Locked())
            return false;
        fout = stappen();
        if (fout.isEmpty()) {
            actie.Commit();
            return true;
        }
    } catch (const EBrRuntime& e) {  // also a hot journal that could not be rolled back
        fout = e.Message();
    }
    // The action left without Commit was dropped with `actie`: nothing written, the lock free.
    ErrorMsg(fout, titel);
    return false;
}
