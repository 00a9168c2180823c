#pragma once
// Rate of a room type for a rate type and period, rsv_tarief.dat (per year;
// record 1 holds the free list). Chain 0 (0/4) under the room type's head in
// rsv_tarief.pnt; the next link doubles as free-list link.

#include <cstddef>
#include <cstdint>

#include "store/KettingVelden.h"

#pragma pack(push, 1)
struct WIN_rsv_tarief : VrijLidVelden<WIN_rsv_tarief> {
    int32_t vorige;
    int32_t volgende;               // also the free-list link
    int32_t kamerType;              // at least 1 while in use
    int32_t tariefSoort;
    int32_t periode;
    double bedrag;
    uint8_t nul28[40];
};
#pragma pack(pop)

static_assert(sizeof(WIN_rsv_tarief) == 68);
static_assert(offsetof(WIN_rsv_tarief, vorige) == 0);
static_assert(offsetof(WIN_rsv_tarief, volgende) == 4);
static_assert(offsetof(WIN_rsv_tarief, kamerType) == 8);
static_assert(offsetof(WIN_rsv_tarief, tariefSoort) == 12);
static_assert(offsetof(WIN_rsv_tarief, periode) == 16);
static_assert(offsetof(WIN_rsv_tarief, bedrag) == 20);
static_assert(offsetof(WIN_rsv_tarief, nul28) == 28);
