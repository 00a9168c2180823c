#pragma once
// Preregistration of a room of a reservation, rsv_voorreg.dat (per year; record 1
// holds the free list). Chain 0 (20/24) under the header, without tail; the
// free-list link is the next link.

#include <cstddef>
#include <cstdint>

#include "store/KettingVelden.h"

#pragma pack(push, 1)
struct WIN_rsv_voorreg : VrijLidVelden<WIN_rsv_voorreg> {
    int32_t resNr;                  // the reservation header
    int32_t kamerNr;                // the entry's key
    int32_t tekstNr;                // rsv_voorreg.tkt: the person's data lines
    int32_t relatieNr;
    int32_t relatieKaartNr;
    int32_t vorige;
    int32_t volgende;               // also the free-list link
    uint8_t ongebruikt28[40];
};
#pragma pack(pop)

static_assert(sizeof(WIN_rsv_voorreg) == 68);
static_assert(offsetof(WIN_rsv_voorreg, kamerNr) == 4);
static_assert(offsetof(WIN_rsv_voorreg, tekstNr) == 8);
static_assert(offsetof(WIN_rsv_voorreg, relatieNr) == 12);
static_assert(offsetof(WIN_rsv_voorreg, relatieKaartNr) == 16);
static_assert(offsetof(WIN_rsv_voorreg, vorige) == 20);
static_assert(offsetof(WIN_rsv_voorreg, volgende) == 24);
