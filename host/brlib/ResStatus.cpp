#include "host/brlib/ResStatus.h"

#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResHfd.h"

namespace brlib {

QString RsvGetStatusOmschr(int status)
{
    switch (status) {
    case rsOpenstaand:
        return QStringLiteral("Openstaand");
    case rsIngechecked:
        return QStringLiteral("Ingechecked");
    case rsUitgechecked:
        return QStringLiteral("Uitgechecked");
    case rsGeannuleerd:
        return QStringLiteral("Geannuleerd");
    default:
        return QStringLiteral("Onbekend");
    }
}

int32_t GetReserveringCount(int jaar)
{
    return RecordCache<WIN_rsv_res_hfd>(Bestanden::ResHfd, tfPerJaar, true, true).RecordCount(jaar);
}

}  // namespace brlib
