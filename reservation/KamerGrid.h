#pragma once
// The rooms grid of the details form (layout "RsvOvRes.gvl"): one row per room
// line. A line moved to another room shows where it went instead of persons,
// the only column the user may change.

#include <vector>

#include "host/brlib/Res.h"

class TGridView;

// "*VERPLAATST NAAR n*" for a line moved to room n; empty for a line that stayed.
QString VerplaatstTekst(const brlib::stRes& regel);

void VulKamerGrid(TGridView& grid, const std::vector<brlib::stRes>& regels);
// Takes the persons of every row that stayed on its room back into `regels`.
void LeesPersonen(const TGridView& grid, std::vector<brlib::stRes>& regels);
