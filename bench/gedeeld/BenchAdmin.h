#pragma once
// The generated hotel every benchmark runs on: every room booked back to back
// (stays of 1..7 nights from a fixed seed), written straight into the record
// files with their chains and day pointers, one action per year. Besides the
// stays: a share checked in, groups of the reservations that arrive together,
// and product lines booked with a share of the reservations. The same seed
// gives the same files, byte for byte.

#include <cstdint>
#include <vector>

#include <QString>

#include "host/base/TDateTime.h"

struct BenchVerblijf {
    int32_t kamer;
    int begin;  // whole days (TDateTime)
    int eind;
    int soort;  // 0 reservation, 1 option, 2 blockade
    bool ingecheckt;
};

// Of the reservations arriving on one day, the first kGroepGrootte form a
// group on every kGroepDag-th day of the year.
inline constexpr int kGroepGrootte = 5;
inline constexpr int kGroepDag = 3;
// Every kProductElke-th reservation has two product lines (a breakfast, a dinner).
inline constexpr int kProductElke = 4;

// Stays of `kamers` rooms numbered from 101, from `van` until they pass `tot`.
std::vector<BenchVerblijf> MaakVerblijven(int kamers, TDateTime van, TDateTime tot, unsigned seed);

// Headers, lines, both day chains, the check-ins, the groups and the product
// lines of the stays, in the current administration.
void SchrijfVerblijven(const std::vector<BenchVerblijf>& verblijven);

// The folder generated hotels are kept in: $RSV_BENCH_MAP, or a temporary one
// that lasts as long as the program.
QString BenchHotelsMap();

// Makes the hotel `naam` under BenchHotelsMap() the current administration, writing
// `verblijven` into it first unless an earlier run finished it.
void OpenBenchHotel(const QString& naam, const std::vector<BenchVerblijf>& verblijven);
