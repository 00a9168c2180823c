#pragma once
// The rates of the room types: rsv_tarief.dat (per year, free list) with one
// chain per room type under its head in rsv_tarief.pnt. Finding rates reads
// without a lock; the other functions run inside an action (the reservation
// lock held), except SchrijfTarieven, which takes the lock itself.

#include <cstdint>
#include <functional>
#include <vector>

#include "host/base/JaarNr.h"
#include "host/brlib/KamerType.h"
#include "store/WinRsvTarief.h"

// The rates in use (room type at least 1) of the year that `past` selects.
std::vector<JaarNr> ZoekTarieven(int jaar, const std::function<bool(const WIN_rsv_tarief&)>& past);
// The rates of a rate type in every year that has a rate file.
std::vector<JaarNr> TarievenVanTariefSoort(int32_t tariefSoortNr);
// The rates of a period of one year.
std::vector<JaarNr> TarievenVanPeriode(int jaar, int32_t periodeNr);

// Takes each rate out of its room type's chain and frees it.
void VerwijderTarieven(const std::vector<JaarNr>& tarieven);
// Frees the room type's chain in every year that has rate heads.
void VerwijderTariefKettingen(int32_t kamerTypeNr);
// Frees the room type's chain of the year and builds it anew from `tarieven`,
// in list order, on records from the free list first (last freed, first used).
void HerschrijfTarieven(int jaar, int32_t kamerTypeNr, const std::vector<brlib::stTarief>& tarieven);

// The rate write path on its own: HerschrijfTarieven as one locked action.
// A refused lock is a silent failure; a damaged chain or a full disk shows an
// error and writes nothing.
bool SchrijfTarieven(int jaar, int32_t kamerTypeNr, const std::vector<brlib::stTarief>& tarieven);
