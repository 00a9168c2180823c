#pragma once
// The panels of the planning board form around its grid, built with their
// captions and object names; the form places them and wires their events.

class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace bord {

// Tab strip of the stand-alone board: pnlTab with pgMain and its one page.
QWidget* MaakTabPaneel(QWidget* ouder);

// Week, month and year with their arrow buttons, the search, group and reservation number.
struct BovenPaneel {
    QWidget* pnlBoven;
    QLabel* flblWeekNr;
    QToolButton* btnMinWeek;
    QToolButton* btnPlusWeek;
    QLabel* flblMaand;
    QToolButton* btnMinMaand;
    QToolButton* btnPlusMaand;
    QLabel* flblJaar;
    QPushButton* btnZoeken;
    QWidget* pnlGroepNr;
    QLabel* flblGroepNr;
    QWidget* pnlHuidige;
    QPushButton* btnSelRes;
    QLabel* flblResBoekNr;
};
BovenPaneel MaakBovenPaneel(QWidget* ouder);

// The strip right of the grid: the legend toggle and the row buttons.
struct GridKnoppen {
    QWidget* pnlGridButtons;
    QToolButton* btnLegenda;
    QToolButton* btnPgUp;
    QToolButton* btnPgDn;
    QToolButton* btnUp;
    QToolButton* btnDown;
};
GridKnoppen MaakGridKnoppen(QWidget* ouder);

// The bottom panel of the normal mode.
struct OnderPaneel {
    QWidget* pnlOnder;
    QPushButton* btnNieuw;
    QPushButton* btnVerplaatsen;
    QPushButton* btnPerWzg;
    QPushButton* btnGroepWijzigen;
    QPushButton* btnOverzicht;
    QPushButton* btnSettings;
    QPushButton* btnSluiten;
};
OnderPaneel MaakOnderPaneel(QWidget* ouder);

// The bottom panel of the move, period and group modes: an instruction and "Annuleren".
struct VerplaatsPaneel {
    QWidget* pnlVerplaatsen;
    QLabel* pnlCapVerplaatsen;
    QPushButton* btnVerplAnnuleren;
};
VerplaatsPaneel MaakVerplaatsPaneel(QWidget* ouder);

}  // namespace bord
