#include "host/records/RecordPad.h"

#include "host/base/EBrRuntime.h"
#include "host/records/RecordCacheImpl.h"

namespace brlib {

QString RecordPad(const QString& adminDir, const QString& naam, int format, int32_t jaar)
{
    if (format != tfPerJaar)
        return adminDir + QLatin1Char('/') + naam;
    if (jaar < 1 || jaar > 9999)
        throw EBrRuntime(QStringLiteral("Ongeldig jaar %1 voor bestand %2").arg(jaar).arg(naam),
                         QStringLiteral("RecordPad(QString,QString,int,int)"));
    return adminDir + QLatin1Char('/') + QString::number(jaar) + QLatin1Char('/') + naam;
}

}  // namespace brlib
