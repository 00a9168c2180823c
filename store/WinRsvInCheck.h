#pragma once
// Check-in of one room line, rsv_incheck.dat (per year, no header record).
// Head of its persons in rsv_persoon.dat; the writer keeps the tail while building.

#include <cstddef>
#include <cstdint>

#include "host/base/RecordDate.h"

#pragma pack(push, 1)
struct WIN_rsv_incheck {
    int32_t hfdNr;
    int32_t rglNr;
    DOS_datumtijd_type inCheckDatum;
    uint8_t uitgecheckt;
    DOS_datumtijd_type uitCheckDatum;
    int32_t eerstePersoon;          // chain 0 of rsv_persoon.dat
    int32_t wijzigTeller;
    uint16_t kassaJaar;             // till registration
    int32_t kassaNr;
    uint8_t productenGeregistreerd;
    uint8_t geannuleerd;
    uint8_t ongebruikt39[32];

    int ReservedRecs() const { return 0; }

    TDateTime InCheckDatum() const { return DatumTijdToDate(inCheckDatum); }
    TDateTime UitCheckDatum() const { return DatumTijdToDate(uitCheckDatum); }
    void ZetInCheckDatum(TDateTime d) { inCheckDatum = DateToDatumTijd(d); }
    void ZetUitCheckDatum(TDateTime d) { uitCheckDatum = DateToDatumTijd(d); }
};
#pragma pack(pop)

static_assert(sizeof(WIN_rsv_incheck) == 71);
static_assert(offsetof(WIN_rsv_incheck, rglNr) == 4);
static_assert(offsetof(WIN_rsv_incheck, inCheckDatum) == 8);
static_assert(offsetof(WIN_rsv_incheck, uitgecheckt) == 15);
static_assert(offsetof(WIN_rsv_incheck, uitCheckDatum) == 16);
static_assert(offsetof(WIN_rsv_incheck, eerstePersoon) == 23);
static_assert(offsetof(WIN_rsv_incheck, wijzigTeller) == 27);
static_assert(offsetof(WIN_rsv_incheck, kassaJaar) == 31);
static_assert(offsetof(WIN_rsv_incheck, kassaNr) == 33);
static_assert(offsetof(WIN_rsv_incheck, productenGeregistreerd) == 37);
static_assert(offsetof(WIN_rsv_incheck, geannuleerd) == 38);
