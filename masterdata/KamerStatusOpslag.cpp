#include "masterdata/KamerStatusOpslag.h"

#include "host/records/UpdateCount.h"
#include "logboek/LogboekActie.h"
#include "masterdata/StamActie.h"

namespace logboek {

bool ZetKamerStatus(int32_t kamerNr, e_KamerStatus status, const QString& titel)
{
    return VoerStamActieUit(titel, [&] {
        // The changed status itself is noted by the setter.
        NoteerStam(QStringLiteral("Schoonmaakstatus"), QStringLiteral("kamer ") + QString::number(kamerNr),
                   [] { return Velden{}; });
        ZetKamerStatusInActie(kamerNr, status);
        brlib::RsvChangeUpdateCount();  // the other boards show the mark
        return QString();
    });
}

}  // namespace logboek
