#pragma once
// Rate head, rsv_tarief.pnt (per year): record number = the room type's record
// number; first and last rate of that type's chain in rsv_tarief.dat.

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct WIN_rsv_tariefpnt {
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

static_assert(sizeof(WIN_rsv_tariefpnt) == 48);
static_assert(offsetof(WIN_rsv_tariefpnt, eerste) == 0);
static_assert(offsetof(WIN_rsv_tariefpnt, laatste) == 4);
