#pragma once
// Period (season) of a year, rsv_periode.dat (per year, no header record,
// appended; a removed period stays as an all-zero record).
// Layout (bytes): 0 own record number (0 = removed), 4 description char[81],
// 85 begin date, 89 end date, 93..126 unused.

#include <cstddef>
#include <cstdint>

#include "host/base/RecordDate.h"

#pragma pack(push, 1)
struct WIN_rsv_periode {
    int32_t recNr;
    char omschr[81];
    DOS_datum_type beginDatum;
    DOS_datum_type eindDatum;
    uint8_t ongebruikt93[34];

    int ReservedRecs() const { return 0; }

    TDateTime BeginDatum() const { return DatumToDate(beginDatum); }
    TDateTime EindDatum() const { return DatumToDate(eindDatum); }
    void ZetBeginDatum(TDateTime d) { beginDatum = DateToDatum(d); }
    void ZetEindDatum(TDateTime d) { eindDatum = DateToDatum(d); }
};
#pragma pack(pop)

static_assert(sizeof(WIN_rsv_periode) == 127);
static_assert(offsetof(WIN_rsv_periode, omschr) == 4);
static_assert(offsetof(WIN_rsv_periode, beginDatum) == 85);
static_assert(offsetof(WIN_rsv_periode, eindDatum) == 89);
