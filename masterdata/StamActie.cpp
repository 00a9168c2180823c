#include "masterdata/StamActie.h"

#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "host/ui/Messages.h"

bool VoerStamActieUit(const QString& titel, const std::function<QString()>& stappen)
{
    QString fout;
    {
        brlib::RsvActie actie;
        if (!actie.Locked())
            return false;
        try {
            fout = stappen();
            if (fout.isEmpty()) {
                actie.Commit();
                return true;
            }
        } catch (const EBrRuntime& e) {
            fout = e.Message();
        }
    }  // an action left without Commit is dropped here
    ErrorMsg(fout, titel);
    return false;
}
