#pragma once
// Master data as the audit trail compares it: a key for the record and its
// values as text.

#include "host/brlib/Kamer.h"
#include "host/brlib/KamerType.h"
#include "host/brlib/TariefSoort.h"
#include "logboek/LogboekActie.h"

namespace logboek {

QString StamSleutel(const brlib::stKamer& kamer);
QString StamSleutel(const brlib::stKamerType& type);
QString StamSleutel(const brlib::stTariefSoort& soort);

Velden StamVelden(const brlib::stKamer& kamer);
Velden StamVelden(const brlib::stKamerType& type);
Velden StamVelden(const brlib::stTariefSoort& soort);

// The same for a record as stored at `nr`; no values for a free record.
QString StamSleutel(int32_t nr, const WIN_rsv_kamer& rcd);
QString StamSleutel(int32_t nr, const WIN_rsv_kamertype& rcd);
QString StamSleutel(int32_t nr, const WIN_rsv_tariefsoort& rcd);
Velden StamVelden(int32_t nr, const WIN_rsv_kamer& rcd);
Velden StamVelden(int32_t nr, const WIN_rsv_kamertype& rcd);
Velden StamVelden(int32_t nr, const WIN_rsv_tariefsoort& rcd);

// The periods of `jaar`, and the rates of a room type in `jaar`, as the files hold them.
Velden PeriodeVelden(int jaar);
Velden TariefVelden(int jaar, int32_t kamerTypeNr);

}  // namespace logboek
