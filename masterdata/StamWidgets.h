#pragma once
// Widgets that the master-data forms share: the list grid with its button row,
// and the number field of the edit dialogs.

#include <QString>

class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;
class TGridView;

struct StamLijstDelen {
    TGridView* gvGrid;
    QWidget* pnlKnoppen;
    QHBoxLayout* knoppen;
    QPushButton* btnNieuw;
    QPushButton* btnWijzig;
    QPushButton* btnVerwijder;
    QPushButton* btnSluiten;
};

// The grid, bound to `layout` in the grid layout directory, and the button row,
// both children of `form`; the caller places them.
StamLijstDelen MaakStamLijst(QWidget& form, const QString& layout);
// A further button in the row, before Sluiten.
QPushButton* VoegKnopToe(const StamLijstDelen& delen, const QString& naam, const QString& tekst);

// Binds `grid` to a layout file of the grid layout directory.
void BindLayout(TGridView& grid, const QString& layout);

// A field for a whole number of at most `cijfers` digits, without a sign.
QLineEdit* MaakGetalVeld(QWidget* ouder, const QString& naam, int cijfers);
// Its value; 0 when empty.
int GetalWaarde(const QLineEdit& veld);
