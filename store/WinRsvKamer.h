#pragma once
// Room, rsv_kamer.dat (one file; record 1 holds the free list).
// Layout (bytes): 0 own record number, 4 free-list link, 8 in use (non-zero),
// 9 room number, 13 room type record number, 17 description char[81],
// 98 change stamp, 102 maximum persons (word, 0 = not given),
// 104 available from (date, zero = always), 108..141 unused.

#include <cstddef>
#include <cstdint>

#include "host/base/RecordDate.h"

#pragma pack(push, 1)
struct WIN_rsv_kamer {
    int32_t recNr;
    int32_t vrijeLijst;
    uint8_t inGebruik;
    int32_t kamerNr;
    int32_t kamerType;
    char omschr[81];
    int32_t stempel;
    uint16_t maxPersonen;
    DOS_datum_type beschikbaarVanaf;
    uint8_t ongebruikt108[34];

    int ReservedRecs() const { return 1; }
    int32_t GetVrijeLijst() const { return vrijeLijst; }
    void SetVrijeLijst(int32_t v) { vrijeLijst = v; }

    TDateTime BeschikbaarVanaf() const { return DatumToDate(beschikbaarVanaf); }
    void ZetBeschikbaarVanaf(TDateTime d) { beschikbaarVanaf = DateToDatum(d); }
};
#pragma pack(pop)

static_assert(sizeof(WIN_rsv_kamer) == 142);
static_assert(offsetof(WIN_rsv_kamer, vrijeLijst) == 4);
static_assert(offsetof(WIN_rsv_kamer, inGebruik) == 8);
static_assert(offsetof(WIN_rsv_kamer, kamerNr) == 9);
static_assert(offsetof(WIN_rsv_kamer, kamerType) == 13);
static_assert(offsetof(WIN_rsv_kamer, omschr) == 17);
static_assert(offsetof(WIN_rsv_kamer, stempel) == 98);
static_assert(offsetof(WIN_rsv_kamer, maxPersonen) == 102);
static_assert(offsetof(WIN_rsv_kamer, beschikbaarVanaf) == 104);
