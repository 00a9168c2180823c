#include "host/tillra/RegistratieBestand.h"

namespace Tillra {

bool LeesRegistratie(RegistratieCache& cache, const JaarNr& nummer, sa_kas_registratie& rcd, QString& fout)
{
    if (nummer.nr < 1 || nummer.jaar < 1 || nummer.nr > cache.RecordCount(nummer.jaar)) {
        fout = QStringLiteral("Registratie %1 bestaat niet.").arg(nummer.String(2, 6));
        return false;
    }
    rcd = cache.Record(nummer);
    return true;
}

}  // namespace Tillra
