#pragma once
// Reading and writing the registration record itself, for the till library's
// write paths (RegistratieAccess, KassaBon). Writers hold the action.

#include <QString>

#include "host/base/JaarNr.h"
#include "host/tillra/RegistratieRecords.h"
#include "store/RecordCache.h"

namespace Tillra {

using RegistratieCache = RecordCache<sa_kas_registratie>;

// The record of `nummer`; false with a Dutch reason when there is none.
bool LeesRegistratie(RegistratieCache& cache, const JaarNr& nummer, sa_kas_registratie& rcd, QString& fout);

}  // namespace Tillra
