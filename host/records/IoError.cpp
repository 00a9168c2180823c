#include "host/records/IoError.h"

#include "host/base/EBrRuntime.h"
#include "host/records/FileSystem.h"

namespace brlib {

void ThrowIoError(const QString& wat, const QString& pad, int error, const QString& location)
{
    throw EBrRuntime(QStringLiteral("%1 (%2): %3").arg(wat, pad, FoutTekst(error)), location);
}

}  // namespace brlib
