#include "host/brlib/BestVelden.h"

namespace brlib {

void RsvGetDefaultBestVelden(QStringList& labels)
{
    labels.clear();
    for (const stBestVeld& veld : kStandaardBestVelden)
        labels << QString::fromLatin1(veld.naam);
}

}  // namespace brlib
