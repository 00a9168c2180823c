#include "host/brlib/BestVelden.h"

#include "host/relations/BestSource.h"

namespace brlib {

void RsvGetDefaultBestVelden(QStringList& labels)
{
    // The relation file names its own fields; without one the usual names stand.
    const QStringList namen = TBestSource(QStringLiteral("best")).VeldNamen();
    labels.clear();
    for (const stBestVeld& veld : kStandaardBestVelden)
        labels << namen.value(veld.nr - 1, QString::fromLatin1(veld.naam));
}

}  // namespace brlib
