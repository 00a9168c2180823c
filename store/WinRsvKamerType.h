#pragma once
// Room type, rsv_kamertype.dat (one file; record 1 holds the free list).
// Layout (bytes): 0 own record number, 4 free-list link, 8 in use (non-zero),
// 9 code char[21], 30 description char[81], 111 change stamp, 115..154 unused.

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct WIN_rsv_kamertype {
    int32_t recNr;
    int32_t vrijeLijst;
    uint8_t inGebruik;
    char code[21];
    char omschr[81];
    int32_t stempel;
    uint8_t ongebruikt115[40];

    int ReservedRecs() const { return 1; }
    int32_t GetVrijeLijst() const { return vrijeLijst; }
    void SetVrijeLijst(int32_t v) { vrijeLijst = v; }
};
#pragma pack(pop)

static_assert(sizeof(WIN_rsv_kamertype) == 155);
static_assert(offsetof(WIN_rsv_kamertype, vrijeLijst) == 4);
static_assert(offsetof(WIN_rsv_kamertype, inGebruik) == 8);
static_assert(offsetof(WIN_rsv_kamertype, code) == 9);
static_assert(offsetof(WIN_rsv_kamertype, omschr) == 30);
static_assert(offsetof(WIN_rsv_kamertype, stempel) == 111);
