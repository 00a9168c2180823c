#pragma once
// Loading the board's lines: 98 days of day chains around the start date, so
// that every line reaching into the shown days is found although a line hangs
// only under its arrival day and lasts at most 49 nights.

#include "board/BordToestand.h"

namespace bord {

// Reloads Items and Extras for the state's start date. New lines that were not
// stored (the trailing run of new items) are kept and come last again. Reads
// without a lock; a damaged chain raises EBrRuntime and leaves the new lines in place.
void LoadItems(BordToestand& toestand);

// Reads the pre-registrations of each extra whose flag (same order) is set.
void VulVoorRegistraties(std::vector<brlib::stExtraRes>& extras, const std::vector<bool>& metVoorReg);

}  // namespace bord
