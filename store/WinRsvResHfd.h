#pragma once
// Reservation header, rsv_reshfd.dat (per year, no header record, never reused).
// Member of the day chain of its begin day (65/69) and head of its lines (57/61).

#include <cstddef>
#include <cstdint>

#include "host/base/RecordDate.h"

#pragma pack(push, 1)
struct WIN_rsv_res_hfd {
    uint16_t status;                // 0 open, 1 all checked in, 2 all checked out, 99 cancelled
    DOS_datumtijd_type regDatum;    // registration date and time
    int32_t resGegTekst;            // rsv_resgeg.tkt: guest data lines
    int32_t resExtTekst;            // rsv_resext.tkt: extra text
    int32_t relatieNr;
    int32_t relatieNr2;
    int32_t eersteProduct;          // till product lines of the reservation
    int32_t laatsteProduct;
    uint16_t productStatus;         // 0 none, 1 registered not settled, 2 at first check-in
    uint8_t ongebruikt35[2];
    DOS_datum_type beginDatum;
    DOS_datum_type eindDatum;
    uint16_t dagNr;                 // rsv_daghfd.pnt record holding the header
    uint16_t aantalRegels;
    double totaalBedrag;
    int32_t eersteRegel;            // chain 0 of rsv_resrgl.dat
    int32_t laatsteRegel;
    int32_t vorigeHfd;              // same begin day
    int32_t volgendeHfd;
    int32_t wijzigTeller;
    uint16_t soort;                 // 0 reservation, 1 option, 2 blockade
    uint16_t nationaliteit;
    uint16_t zakelijk;
    uint8_t extra[10];              // first three: breakfast, lunch, dinner
    int32_t eersteVoorReg;          // chain 0 of rsv_voorreg.dat, no tail kept
    int32_t groepNr;
    int32_t relLabelsTekst;         // rsv_resrel.tkt
    int32_t relWaardenTekst;        // rsv_resrel.tkt
    uint8_t ongebruikt109[8];

    int ReservedRecs() const { return 0; }
    int32_t GetVn(int) const { return vorigeHfd; }
    int32_t GetAn(int) const { return volgendeHfd; }
    void SetVn(int, int32_t v) { vorigeHfd = v; }
    void SetAn(int, int32_t v) { volgendeHfd = v; }
    int32_t GetEerste(int) const { return eersteRegel; }
    int32_t GetLaatste(int) const { return laatsteRegel; }
    void SetEerste(int, int32_t v) { eersteRegel = v; }
    void SetLaatste(int, int32_t v) { laatsteRegel = v; }

    TDateTime RegDatum() const { return DatumTijdToDate(regDatum); }
    TDateTime BeginDatum() const { return DatumToDate(beginDatum); }
    TDateTime EindDatum() const { return DatumToDate(eindDatum); }
    void ZetRegDatum(TDateTime d) { regDatum = DateToDatumTijd(d); }
    void ZetBeginDatum(TDateTime d) { beginDatum = DateToDatum(d); }
    void ZetEindDatum(TDateTime d) { eindDatum = DateToDatum(d); }
};
#pragma pack(pop)

static_assert(sizeof(WIN_rsv_res_hfd) == 117);
static_assert(offsetof(WIN_rsv_res_hfd, regDatum) == 2);
static_assert(offsetof(WIN_rsv_res_hfd, resGegTekst) == 9);
static_assert(offsetof(WIN_rsv_res_hfd, resExtTekst) == 13);
static_assert(offsetof(WIN_rsv_res_hfd, relatieNr) == 17);
static_assert(offsetof(WIN_rsv_res_hfd, relatieNr2) == 21);
static_assert(offsetof(WIN_rsv_res_hfd, eersteProduct) == 25);
static_assert(offsetof(WIN_rsv_res_hfd, laatsteProduct) == 29);
static_assert(offsetof(WIN_rsv_res_hfd, productStatus) == 33);
static_assert(offsetof(WIN_rsv_res_hfd, beginDatum) == 37);
static_assert(offsetof(WIN_rsv_res_hfd, eindDatum) == 41);
static_assert(offsetof(WIN_rsv_res_hfd, dagNr) == 45);
static_assert(offsetof(WIN_rsv_res_hfd, aantalRegels) == 47);
static_assert(offsetof(WIN_rsv_res_hfd, totaalBedrag) == 49);
static_assert(offsetof(WIN_rsv_res_hfd, eersteRegel) == 57);
static_assert(offsetof(WIN_rsv_res_hfd, laatsteRegel) == 61);
static_assert(offsetof(WIN_rsv_res_hfd, vorigeHfd) == 65);
static_assert(offsetof(WIN_rsv_res_hfd, volgendeHfd) == 69);
static_assert(offsetof(WIN_rsv_res_hfd, wijzigTeller) == 73);
static_assert(offsetof(WIN_rsv_res_hfd, soort) == 77);
static_assert(offsetof(WIN_rsv_res_hfd, nationaliteit) == 79);
static_assert(offsetof(WIN_rsv_res_hfd, zakelijk) == 81);
static_assert(offsetof(WIN_rsv_res_hfd, extra) == 83);
static_assert(offsetof(WIN_rsv_res_hfd, eersteVoorReg) == 93);
static_assert(offsetof(WIN_rsv_res_hfd, groepNr) == 97);
static_assert(offsetof(WIN_rsv_res_hfd, relLabelsTekst) == 101);
static_assert(offsetof(WIN_rsv_res_hfd, relWaardenTekst) == 105);
