#include "host/brlib/Stempel.h"

#include <algorithm>
#include <QDateTime>

namespace brlib {

int32_t NieuweStempel(int32_t vorige)
{
    static const QDateTime kBegin(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
    const int64_t klok = kBegin.secsTo(QDateTime::currentDateTimeUtc());
    const int64_t volgende = std::max<int64_t>(klok, int64_t{vorige} + 1);
    // After 2088, or past a corrupt maximum, start again above zero.
    return volgende > INT32_MAX ? 1 : static_cast<int32_t>(volgende);
}

}  // namespace brlib
