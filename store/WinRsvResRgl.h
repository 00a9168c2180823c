#pragma once
// Reservation line, rsv_resrgl.dat (per year; record 1 holds the free list).
// Two chains: 0 the lines of its reservation (80/84), 1 the lines beginning on
// the same day (88/92). The free-list link is the next link of chain 0.

#include <cstddef>
#include <cstdint>

#include "host/base/RecordDate.h"

#pragma pack(push, 1)
struct WIN_rsv_res_rgl {
    int32_t hfdNr;                  // the reservation header
    DOS_datum_type beginDatum;      // arrival
    DOS_datum_type eindDatum;       // departure
    uint16_t dagNr;                 // rsv_dagrgl.pnt record holding the line
    int32_t kamerNr;
    double prijs;
    double bedrag;
    char tariefCode[21];
    char tariefTekst2[21];
    int32_t wijzigTeller;
    int32_t vorige;                 // chain 0
    int32_t volgende;               // chain 0, and the free-list link
    int32_t vorigeDag;              // chain 1
    int32_t volgendeDag;            // chain 1
    int32_t inCheckNr;              // rsv_incheck.dat, 0 = not checked in
    uint16_t soort;                 // copy of the header's kind
    uint16_t personen;
    int32_t verplaatstNaar;         // continuation room after a partial move
    uint8_t ongebruikt108[28];

    int ReservedRecs() const { return 1; }
    int32_t GetVrijeLijst() const { return volgende; }
    void SetVrijeLijst(int32_t v) { volgende = v; }

    // Chain numbers other than 0 and 1 read 0 and write nothing.
    int32_t GetVn(int keten) const { return keten == 0 ? vorige : keten == 1 ? vorigeDag : 0; }
    int32_t GetAn(int keten) const { return keten == 0 ? volgende : keten == 1 ? volgendeDag : 0; }
    void SetVn(int keten, int32_t v)
    {
        if (keten == 0)
            vorige = v;
        else if (keten == 1)
            vorigeDag = v;
    }
    void SetAn(int keten, int32_t v)
    {
        if (keten == 0)
            volgende = v;
        else if (keten == 1)
            volgendeDag = v;
    }

    TDateTime BeginDatum() const { return DatumToDate(beginDatum); }
    TDateTime EindDatum() const { return DatumToDate(eindDatum); }
    void ZetBeginDatum(TDateTime d) { beginDatum = DateToDatum(d); }
    void ZetEindDatum(TDateTime d) { eindDatum = DateToDatum(d); }
};
#pragma pack(pop)

static_assert(sizeof(WIN_rsv_res_rgl) == 136);
static_assert(offsetof(WIN_rsv_res_rgl, beginDatum) == 4);
static_assert(offsetof(WIN_rsv_res_rgl, eindDatum) == 8);
static_assert(offsetof(WIN_rsv_res_rgl, dagNr) == 12);
static_assert(offsetof(WIN_rsv_res_rgl, kamerNr) == 14);
static_assert(offsetof(WIN_rsv_res_rgl, prijs) == 18);
static_assert(offsetof(WIN_rsv_res_rgl, bedrag) == 26);
static_assert(offsetof(WIN_rsv_res_rgl, tariefCode) == 34);
static_assert(offsetof(WIN_rsv_res_rgl, tariefTekst2) == 55);
static_assert(offsetof(WIN_rsv_res_rgl, wijzigTeller) == 76);
static_assert(offsetof(WIN_rsv_res_rgl, vorige) == 80);
static_assert(offsetof(WIN_rsv_res_rgl, volgende) == 84);
static_assert(offsetof(WIN_rsv_res_rgl, vorigeDag) == 88);
static_assert(offsetof(WIN_rsv_res_rgl, volgendeDag) == 92);
static_assert(offsetof(WIN_rsv_res_rgl, inCheckNr) == 96);
static_assert(offsetof(WIN_rsv_res_rgl, soort) == 100);
static_assert(offsetof(WIN_rsv_res_rgl, personen) == 102);
static_assert(offsetof(WIN_rsv_res_rgl, verplaatstNaar) == 104);
