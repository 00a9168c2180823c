#include "host/ui/GridScrollKnoppen.h"

#include <QAbstractButton>
#include <QHeaderView>

#include "host/ui/TGridView.h"

int ScrollDoel(ScrollKnop knop, int huidig, int rijen, int perPagina)
{
    if (rijen <= 0)
        return -1;
    const int stap = qMax(1, perPagina);
    int doel = huidig;
    switch (knop) {
    case ScrollKnop::Begin: doel = 0; break;
    case ScrollKnop::PaginaOp: doel = huidig - stap; break;
    case ScrollKnop::RijOp: doel = huidig - 1; break;
    case ScrollKnop::RijNeer: doel = huidig + 1; break;
    case ScrollKnop::PaginaNeer: doel = huidig + stap; break;
    case ScrollKnop::Einde: doel = rijen - 1; break;
    }
    return qBound(0, doel, rijen - 1);
}

void GridScrollKnoppen(TGridView& grid, std::initializer_list<std::pair<QAbstractButton*, ScrollKnop>> knoppen)
{
    for (const auto& [knop, soort] : knoppen) {
        QObject::connect(knop, &QAbstractButton::clicked, &grid, [&grid, soort = soort] {
            const int perPagina = grid.viewport()->height() / qMax(1, grid.verticalHeader()->defaultSectionSize());
            grid.FocusRij(ScrollDoel(soort, grid.HuidigeRij(), grid.RijAantal(), perPagina));
            grid.setFocus();
        });
    }
}
