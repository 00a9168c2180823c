#pragma once
// An article card, kassa_artikel.dat (one file, no header record, appended;
// the record number is the article id).
//   0 long   article number (what a user types and a button names)
//   4 char[41] description, 45 char[21] reference (Windows-1252, zero-terminated)
//  66 double price including tax
//  74 word   tax code (BtwTarief.h)
//  76 byte   non-zero while the card is in use
//  77..79    unused

#include <cstddef>
#include <cstdint>

#pragma pack(push, 1)
struct sa_artikel {
    int32_t artikelNr;
    char omschrijving[41];
    char referentie[21];
    double prijsIncl;
    uint16_t btwCode;
    uint8_t inGebruik;
    uint8_t ongebruikt77[3];

    int ReservedRecs() const { return 0; }
};
#pragma pack(pop)

static_assert(sizeof(sa_artikel) == 80);
static_assert(offsetof(sa_artikel, omschrijving) == 4);
static_assert(offsetof(sa_artikel, referentie) == 45);
static_assert(offsetof(sa_artikel, prijsIncl) == 66);
static_assert(offsetof(sa_artikel, btwCode) == 74);
static_assert(offsetof(sa_artikel, inGebruik) == 76);
