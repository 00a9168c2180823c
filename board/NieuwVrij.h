#pragma once
// Whether a room is free for a new line, judged on the lines the board has
// loaded (the check on disk is the registration's). Days are half-open: a
// departure day may be another line's arrival day.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/base/TDateTime.h"
#include "host/brlib/Res.h"

namespace bord {

// Some item on `kamerNr` overlaps [begin, eind).
bool KamerBezet(const std::vector<brlib::stRes>& items, int32_t kamerNr, TDateTime begin, TDateTime eind);

// items[regel] conflicts with no other item on its room. Also holds for a
// line being dragged, whose end may still lie before its begin or on it.
bool RegelVrij(const std::vector<brlib::stRes>& items, size_t regel);

}  // namespace bord
