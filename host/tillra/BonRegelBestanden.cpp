#include "host/tillra/BonRegelBestanden.h"

#include "host/records/TekstLijst.h"
#include "host/tillra/KassaBestanden.h"

namespace Tillra {

BonRegelBestanden::BonRegelBestanden(const QString& prefix, bool lezen)
    : regels(prefix + QStringLiteral("bonrgls.dat"), brlib::tfPerJaar, lezen, lezen),
      omzet(prefix + QStringLiteral("omzet.dat"), brlib::tfPerJaar, lezen, lezen),
      bw(prefix + QStringLiteral("bw.dat"), brlib::tfPerJaar, lezen, lezen),
      tekst(sizeof(brlib::DOS_tkst_dsk_strukt), prefix + QStringLiteral("tkt.dat"), brlib::tfPerJaar, lezen, lezen)
{
}

BonRegelBestanden BonRegelBestanden::Reservering(bool lezen)
{
    return BonRegelBestanden(KassaBestanden::ReserveringRegels, lezen);
}

}  // namespace Tillra
