#pragma once
// A room: one record of rsv_kamer.dat, with its room type resolved.

#include <cstdint>
#include <QString>

#include "host/base/TDateTime.h"
#include "host/brlib/KamerType.h"
#include "store/WinRsvKamer.h"

namespace brlib {

struct stKamer {
    int32_t recNr = 0;  // 0: not stored yet
    int32_t stempel = 0;
    int32_t kamerNr = 0;
    QString omschr;
    stKamerType kamerType;         // recNr 0: no type
    int32_t maxPersonen = 0;       // 0: not given
    TDateTime beschikbaarVanaf = 0;  // 0: always

    // The room type is left empty but for its record number.
    static stKamer UitRecord(int32_t nr, const WIN_rsv_kamer& rcd);
    // The record to store, with a new change stamp.
    WIN_rsv_kamer GetRcd() const;
};

}  // namespace brlib
