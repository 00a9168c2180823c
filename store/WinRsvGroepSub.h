#pragma once
// Group member, rsv_grp_sub.dat (one file; record 1 holds the free list).
// Chain 0 (10/14) under its group; the next link doubles as free-list link.

#include <cstddef>
#include <cstdint>

#include "store/KettingVelden.h"

#pragma pack(push, 1)
struct WIN_rsv_groep_sub : VrijLidVelden<WIN_rsv_groep_sub> {
    int32_t groepNr;
    uint16_t jaar;                  // year of the reservation
    int32_t resNr;                  // the reservation header
    int32_t vorige;
    int32_t volgende;               // also the free-list link
    uint8_t ongebruikt18[40];
};
#pragma pack(pop)

static_assert(sizeof(WIN_rsv_groep_sub) == 58);
static_assert(offsetof(WIN_rsv_groep_sub, groepNr) == 0);
static_assert(offsetof(WIN_rsv_groep_sub, jaar) == 4);
static_assert(offsetof(WIN_rsv_groep_sub, resNr) == 6);
static_assert(offsetof(WIN_rsv_groep_sub, vorige) == 10);
static_assert(offsetof(WIN_rsv_groep_sub, volgende) == 14);
