#pragma once
// The prepared day cells of the board: which bar fills which half of which day,
// and which of them are highlighted. Painting reads only these cells, so a
// pointer move repaints without rebuilding them.

#include "board/BordToestand.h"

namespace bord {

// Rebuilds every room's 49 day cells from the items; items whose room is not on
// the board are skipped. True when some item is new (the undo and persons
// buttons follow that).
bool BuildCells(BordToestand& toestand);

// The model half of showing a selection: clears every highlight bit and the
// selected group, then highlights the bars of `sleutel` and selects its group.
// JaarNr(0, 0) only clears.
void MarkeerSelectie(BordToestand& toestand, JaarNr sleutel);

// The item under the pointer in grid cell (kolom, rij): the cell's first item
// when the pointer is in the right half (or the middle), else its second; -1
// outside the room rows and day columns or when the half is empty.
int ItemOnderWijzer(const BordToestand& toestand, int kolom, int rij, bool rechts);

}  // namespace bord
