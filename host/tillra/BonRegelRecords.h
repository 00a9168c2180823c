#pragma once
// The four product-line files (per year; names: a prefix + "bonrgls.dat",
// "omzet.dat", "bw.dat", "tkt.dat", see KassaBestanden.h). A stored list of
// lines is a chain in the lines file whose first and last record numbers the
// owner keeps (a reservation header, a registration, a settled bill).
//
// sa_kas_art_rgls2, <prefix>bonrgls.dat, 80 bytes, record 1 holds the free list:
//   0 long   owner number          4 double quantity
//  12 long   article number       16 long   article id
//  20 double price excluding tax   28 word   tax code
//  30 double discount (percent)    38 word   line kind
//  40 datetime(7) moment of the price
//  47 long   text list in <prefix>tkt.dat: description, article reference
//  51 long / 55 long  first / last preparation method in <prefix>bw.dat
//  59 long / 63 long  previous / next line (chain 0; 63 is also the free-list link)
//  67..79 unused
// sa_kas_rgls_omzet, <prefix>omzet.dat, 48 bytes, record number = line number:
//   0 long line number (0 = unused)   4 double amount including tax
//  12 double amount excluding tax    20 double tax amount   28 double tax rate
//  36..47 unused
// bereidingswijze, <prefix>bw.dat, 64 bytes, record 1 holds the free list:
//   0 long line number   4 long code   8 char[41] description
//  49 long / 53 long previous / next of the line (chain 0; 53 is the free-list link)
//  57..63 unused
// <prefix>tkt.dat: text lists (host/records/TekstLijst.h).

#include <cstddef>
#include <cstdint>

#include "host/base/RecordDate.h"
#include "store/KettingVelden.h"

#pragma pack(push, 1)
struct sa_kas_art_rgls2 : VrijLidVelden<sa_kas_art_rgls2> {
    int32_t eigenaar;
    double aantal;
    int32_t artikelNr;
    int32_t artikelId;
    double prijsExcl;
    uint16_t btwCode;
    double korting;
    int16_t regelSoort;
    DOS_datumtijd_type moment;
    int32_t tekstNr;
    int32_t eersteBw;
    int32_t laatsteBw;
    int32_t vorige;
    int32_t volgende;
    uint8_t ongebruikt67[13];
};

struct sa_kas_rgls_omzet {
    int32_t regelNr;
    double bedragIncl;
    double bedragExcl;
    double btwBedrag;
    double btwTarief;
    uint8_t ongebruikt36[12];

    int ReservedRecs() const { return 0; }
};

struct bereidingswijze : VrijLidVelden<bereidingswijze> {
    int32_t regelNr;
    int32_t code;
    char omschrijving[41];
    int32_t vorige;
    int32_t volgende;
    uint8_t ongebruikt57[7];
};
#pragma pack(pop)

static_assert(sizeof(sa_kas_art_rgls2) == 80);
static_assert(offsetof(sa_kas_art_rgls2, aantal) == 4);
static_assert(offsetof(sa_kas_art_rgls2, artikelNr) == 12);
static_assert(offsetof(sa_kas_art_rgls2, artikelId) == 16);
static_assert(offsetof(sa_kas_art_rgls2, prijsExcl) == 20);
static_assert(offsetof(sa_kas_art_rgls2, btwCode) == 28);
static_assert(offsetof(sa_kas_art_rgls2, korting) == 30);
static_assert(offsetof(sa_kas_art_rgls2, regelSoort) == 38);
static_assert(offsetof(sa_kas_art_rgls2, moment) == 40);
static_assert(offsetof(sa_kas_art_rgls2, tekstNr) == 47);
static_assert(offsetof(sa_kas_art_rgls2, eersteBw) == 51);
static_assert(offsetof(sa_kas_art_rgls2, laatsteBw) == 55);
static_assert(offsetof(sa_kas_art_rgls2, vorige) == 59);
static_assert(offsetof(sa_kas_art_rgls2, volgende) == 63);

static_assert(sizeof(sa_kas_rgls_omzet) == 48);
static_assert(offsetof(sa_kas_rgls_omzet, bedragIncl) == 4);
static_assert(offsetof(sa_kas_rgls_omzet, bedragExcl) == 12);
static_assert(offsetof(sa_kas_rgls_omzet, btwBedrag) == 20);
static_assert(offsetof(sa_kas_rgls_omzet, btwTarief) == 28);

static_assert(sizeof(bereidingswijze) == 64);
static_assert(offsetof(bereidingswijze, code) == 4);
static_assert(offsetof(bereidingswijze, omschrijving) == 8);
static_assert(offsetof(bereidingswijze, vorige) == 49);
static_assert(offsetof(bereidingswijze, volgende) == 53);
