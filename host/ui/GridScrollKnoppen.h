#pragma once
// Binds buttons beside a grid that move its current row, for touch screens:
//   GridScrollKnoppen(*gvArt, {{btnPgUp, ScrollKnop::PaginaOp}, {btnDown, ScrollKnop::RijNeer}});

#include <initializer_list>
#include <utility>

class QAbstractButton;
class TGridView;

enum class ScrollKnop { Begin, PaginaOp, RijOp, RijNeer, PaginaNeer, Einde };

void GridScrollKnoppen(TGridView& grid, std::initializer_list<std::pair<QAbstractButton*, ScrollKnop>> knoppen);

// The row that a button press moves to from `huidig`, kept within the rows.
int ScrollDoel(ScrollKnop knop, int huidig, int rijen, int perPagina);
