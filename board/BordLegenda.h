#pragma once
// The legend beside the grid (pnlLegenda): the heading "Legenda" and one row
// per bar colour (pnlLegenda1..6), each with its swatch (pnlLegCol1..6) over
// the blanks its caption starts with. Hidden until the user asks for it.

#include "board/BordKleuren.h"

class QWidget;

namespace bord {

QWidget* MaakLegenda(QWidget* ouder, const KleurTabel& kleuren);

}  // namespace bord
