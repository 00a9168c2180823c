#pragma once
// Readers of the master data. They take no lock and read what is committed
// (plus the open action of this workstation); each empties its list first.
// A damaged chain raises EBrRuntime; walks never run past the file's size.

#include <vector>

#include "host/brlib/Kamer.h"
#include "host/brlib/KamerType.h"
#include "host/brlib/Periode.h"
#include "host/brlib/TariefSoort.h"

namespace brlib {

// Record order; the standard rate type, written first, comes first.
void InlezenTariefSoorten(std::vector<stTariefSoort>& lijst);
// Record order, without their rates.
void InlezenKamerTypes(std::vector<stKamerType>& lijst);
// Ordered by room number, each with its room type's code and description; a
// room whose type no longer exists gets no type (record number 0).
void InlezenKamers(std::vector<stKamer>& lijst);
// The year's periods in begin order. Each ends the day before the next one
// begins, the last on 31 December of the year.
void InlezenPeriodes(int jaar, std::vector<stPeriode>& lijst);
// The type's rates of the year in chain order (empty when the year has none).
void InlezenKamerTypeTarieven(int jaar, stKamerType& type);

}  // namespace brlib
