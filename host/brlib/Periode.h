#pragma once
// A period (season) of a year: one record of that year's rsv_periode.dat.

#include <cstdint>
#include <QString>

#include "host/base/TDateTime.h"
#include "store/WinRsvPeriode.h"

namespace brlib {

struct stPeriode {
    int32_t recNr = 0;  // 0: new; below 0: marked for removal (record -recNr)
    QString omschr;
    TDateTime begin = 0;
    TDateTime eind = 0;  // the day before the next period begins, or 31 December

    // "Standaard", 1 January to 31 December of `jaar`.
    static stPeriode Standaard(int jaar);
    static stPeriode UitRecord(int32_t nr, const WIN_rsv_periode& rcd);

    // The record to store at recNr (which must be above 0).
    WIN_rsv_periode GetRcd() const;
};

}  // namespace brlib
