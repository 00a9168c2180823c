#pragma once
// The integrity check of the till's files in the administration, beside the
// check of the reservation files (store/Integriteit.h): per year, the product
// lines of every owner (reservation headers, registrations, settled bills)
// with their preparation methods, the free lists, and the bookings of every
// registration. Each line, method and booking in use belongs to exactly one
// chain. Reads without a lock and never writes.

#include <vector>

#include "store/Bevinding.h"

namespace Tillra {

std::vector<Bevinding> ControleerKassaBestanden();

}  // namespace Tillra
