#pragma once
// The date fields of the record files. Layout (ours, little-endian):
//   DOS_datum_type      4 bytes: day, month, year (word); all zero = no date
//   DOS_datumtijd_type  7 bytes: the date, then hour, minute, second

#include <bit>
#include <cstdint>

#include "host/base/TDateTime.h"

static_assert(std::endian::native == std::endian::little,
              "record files are little-endian and read by plain copies");

#pragma pack(push, 1)
struct DOS_datum_type {
    uint8_t dag = 0;
    uint8_t maand = 0;
    uint16_t jaar = 0;
};
struct DOS_datumtijd_type {
    DOS_datum_type datum;
    uint8_t uur = 0;
    uint8_t minuut = 0;
    uint8_t seconde = 0;
};
#pragma pack(pop)
static_assert(sizeof(DOS_datum_type) == 4);
static_assert(sizeof(DOS_datumtijd_type) == 7);

// A zero TDateTime (30-12-1899) stands for "no date" and maps to all-zero bytes.
DOS_datum_type DateToDatum(TDateTime d);
TDateTime DatumToDate(const DOS_datum_type& d);
DOS_datumtijd_type DateToDatumTijd(TDateTime d);
TDateTime DatumTijdToDate(const DOS_datumtijd_type& d);

// A number that orders record dates as the days they stand for, without
// converting them: for comparing the dates of many records against one day.
inline uint32_t DatumVolgorde(DOS_datum_type d) { return uint32_t(d.jaar) << 16 | uint32_t(d.maand) << 8 | d.dag; }
