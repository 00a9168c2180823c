#pragma once
// Group, rsv_grp_hfd.dat (one file; record number = group number): the head of
// the group's members in rsv_grp_sub.dat. Written only through that chain.

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct WIN_rsv_groep_hfd {
    int32_t eerste;
    int32_t laatste;
    uint8_t ongebruikt8[40];

    int ReservedRecs() const { return 0; }
    int32_t GetEerste(int) const { return eerste; }
    int32_t GetLaatste(int) const { return laatste; }
    void SetEerste(int, int32_t v) { eerste = v; }
    void SetLaatste(int, int32_t v) { laatste = v; }
};
#pragma pack(pop)

static_assert(sizeof(WIN_rsv_groep_hfd) == 48);
static_assert(offsetof(WIN_rsv_groep_hfd, eerste) == 0);
static_assert(offsetof(WIN_rsv_groep_hfd, laatste) == 4);
