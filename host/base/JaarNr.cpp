#include "host/base/JaarNr.h"

QString JaarNr::String(int jaarCijfers, int nrCijfers) const
{
    int modulus = 1;
    for (int i = 0; i < jaarCijfers; ++i)
        modulus *= 10;
    return QStringLiteral("%1/%2")
        .arg(jaar % modulus, jaarCijfers, 10, QLatin1Char('0'))
        .arg(nr, nrCijfers, 10, QLatin1Char('0'));
}
