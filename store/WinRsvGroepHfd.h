#pragma once
// Group, rsv_grp_hfd.dat (one file; record number = group number): the head of
// the group's members in rsv_grp_sub.dat. Written only through that chain.

#include <cstddef>
#include <cstdint>

#include "store/KettingVelden.h"

#pragma pack(push, 1)
struct WIN_rsv_groep_hfd : KopVelden<WIN_rsv_groep_hfd> {
    int32_t eerste;
    int32_t laatste;
    uint8_t ongebruikt8[40];
};
#pragma pack(pop)

static_assert(sizeof(WIN_rsv_groep_hfd) == 48);
static_assert(offsetof(WIN_rsv_groep_hfd, eerste) == 0);
static_assert(offsetof(WIN_rsv_groep_hfd, laatste) == 4);
