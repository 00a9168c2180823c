#pragma once
// Random changes of stored reservations for the stress run: a room moved
// wholly or from a day on, a period shifted, a reservation put in another's
// group, all through the board's write paths.

#include <random>
#include <vector>

#include "board/BordActie.h"
#include "host/brlib/Kamer.h"

// Picks a stored reservation of this year or the next at random and changes it
// (a move goes to one of `kamers`). Gedaan when there was nothing suitable to
// change or the change was refused.
bord::Afloop WijzigWillekeurig(const std::vector<brlib::stKamer>& kamers, std::mt19937& gen);
