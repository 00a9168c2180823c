#pragma once
// The integrity check of an administration: every chain (links both ways,
// heads, tails, no cycles, no record in two places), the free lists, the day
// pointers, groups, rate chains, and that no two lines of one room overlap.
// Reads the current administration without a lock and never writes; every walk
// is bounded, so damaged files give findings, not crashes or hangs.

#include <vector>

#include "store/Bevinding.h"

std::vector<Bevinding> ControleerAdministratie();
