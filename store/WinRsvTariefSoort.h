#pragma once
// Rate type, rsv_tariefsoort.dat (one file; record 1 holds the free list).
// Layout (bytes): 0 own record number, 4 free-list link, 8 in use (non-zero),
// 9 code char[21], 30 description char[81], 111 weekday flags (7 bytes,
// Sunday first), 118 number of days (0 = on the flagged weekdays),
// 122 change stamp, 126..165 unused.

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct WIN_rsv_tariefsoort {
    int32_t recNr;
    int32_t vrijeLijst;
    uint8_t inGebruik;
    char code[21];
    char omschr[81];
    uint8_t weekDagen[7];
    int32_t aantalDagen;
    int32_t stempel;
    uint8_t ongebruikt126[40];

    int ReservedRecs() const { return 1; }
    int32_t GetVrijeLijst() const { return vrijeLijst; }
    void SetVrijeLijst(int32_t v) { vrijeLijst = v; }
};
#pragma pack(pop)

static_assert(sizeof(WIN_rsv_tariefsoort) == 166);
static_assert(offsetof(WIN_rsv_tariefsoort, vrijeLijst) == 4);
static_assert(offsetof(WIN_rsv_tariefsoort, inGebruik) == 8);
static_assert(offsetof(WIN_rsv_tariefsoort, code) == 9);
static_assert(offsetof(WIN_rsv_tariefsoort, omschr) == 30);
static_assert(offsetof(WIN_rsv_tariefsoort, weekDagen) == 111);
static_assert(offsetof(WIN_rsv_tariefsoort, aantalDagen) == 118);
static_assert(offsetof(WIN_rsv_tariefsoort, stempel) == 122);
