#pragma once
// A generated hotel for the board benchmark: every room booked back to back
// (stays of 1..7 nights from a fixed seed), written straight into the record
// files with their chains and day pointers, one action per year.

#include <cstdint>
#include <vector>

#include "host/base/TDateTime.h"

struct BenchVerblijf {
    int32_t kamer;
    int begin;  // whole days (TDateTime)
    int eind;
    int soort;  // 0 reservation, 1 option, 2 blockade
    bool ingecheckt;
};

// Stays of `kamers` rooms numbered from 101, from `van` until they pass `tot`.
std::vector<BenchVerblijf> MaakVerblijven(int kamers, TDateTime van, TDateTime tot, unsigned seed);

// Headers, lines, both day chains and the check-ins of the stays, in the
// current administration.
void SchrijfVerblijven(const std::vector<BenchVerblijf>& verblijven);
