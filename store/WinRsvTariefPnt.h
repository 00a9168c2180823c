#pragma once
// Rate head, rsv_tarief.pnt (per year): record number = the room type's record
// number; first and last rate of that type's chain in rsv_tarief.dat.

#include <cstddef>
#include <cstdint>

#include "store/KettingVelden.h"

#pragma pack(push, 1)
struct WIN_rsv_tariefpnt : KopVelden<WIN_rsv_tariefpnt> {
    int32_t eerste;
    int32_t laatste;
    uint8_t ongebruikt8[40];
};
#pragma pack(pop)

static_assert(sizeof(WIN_rsv_tariefpnt) == 48);
static_assert(offsetof(WIN_rsv_tariefpnt, eerste) == 0);
static_assert(offsetof(WIN_rsv_tariefpnt, laatste) == 4);
