#pragma once
// A room type and, when read for a year, its rates of that year: one record of
// rsv_kamertype.dat plus its chain in rsv_tarief.dat.

#include <cstdint>
#include <vector>
#include <QString>

#include "store/WinRsvKamerType.h"

namespace brlib {

// One rate of a room type: the amount for a rate type in a period.
struct stTarief {
    int32_t tariefSoort = 0;  // record number in rsv_tariefsoort.dat
    int32_t periode = 0;      // record number in the year's rsv_periode.dat
    double bedrag = 0;

    bool operator==(const stTarief&) const = default;
};

struct stKamerType {
    int32_t recNr = 0;  // 0: none / not stored yet
    int32_t stempel = 0;
    QString code;
    QString omschr;
    std::vector<stTarief> tarieven;  // of one year, in chain order

    static stKamerType UitRecord(int32_t nr, const WIN_rsv_kamertype& rcd);
    // The record to store, with a new change stamp.
    WIN_rsv_kamertype GetRcd() const;
};

}  // namespace brlib
