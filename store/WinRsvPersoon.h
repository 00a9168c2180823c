#pragma once
// Person of a check-in, rsv_persoon.dat (one file, no header record, appended).
// Chain 0 (8/12) links the persons of one check-in.

#include <cstddef>
#include <cstdint>

#include "store/KettingVelden.h"

#pragma pack(push, 1)
struct WIN_rsv_persoon : LidVelden<WIN_rsv_persoon> {
    int32_t recNr;                  // its own record number
    int32_t tekstNr;                // rsv_persoon.tkt: the person's field values
    int32_t vorige;
    int32_t volgende;
    int32_t relatieNr;
    int32_t relatieNr2;
    uint8_t ongebruikt24[32];
};
#pragma pack(pop)

static_assert(sizeof(WIN_rsv_persoon) == 56);
static_assert(offsetof(WIN_rsv_persoon, tekstNr) == 4);
static_assert(offsetof(WIN_rsv_persoon, vorige) == 8);
static_assert(offsetof(WIN_rsv_persoon, volgende) == 12);
static_assert(offsetof(WIN_rsv_persoon, relatieNr) == 16);
static_assert(offsetof(WIN_rsv_persoon, relatieNr2) == 20);
