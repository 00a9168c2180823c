#pragma once
// The new-reservation pane of the planning board (pnlNieuw): the step caption,
// one grid row per new line, the choice between one reservation and one per
// room, and the buttons of the mode. It works the mode's model; what needs
// the board form (its repaint, the details dialog, storing, leaving the mode)
// comes in through NieuwDiensten.

#include <QFrame>

#include "board/NieuweReservering.h"

class QLabel;
class QPushButton;
class QRadioButton;
class TGridView;

namespace bord {

// The "Reservering" settings of the two booking choices.
struct GroepKeuze {
    bool enkelMogelijk = true;   // "GeenGroep"
    bool enkelStandaard = true;  // "DefGeenGroep"
    bool groepMogelijk = false;  // "WelGroep"
    bool groepStandaard = false; // "DefWelGroep"

    static GroepKeuze Lees();
};

struct NieuwDiensten {
    GegevensDialoog gegevens;
    Registratie registreer;
    std::function<void()> bordGewijzigd;  // rebuild the cells, repaint, refill this pane
    std::function<void()> verlaat;        // leave the mode
};

class NieuwPaneel : public QFrame {
    Q_OBJECT
public:
    NieuwPaneel(QWidget* parent, NieuweReservering& model, NieuwDiensten diensten);

    // The pane opens: the booking choices from `keuze`, the grid in view mode.
    void Open(const GroepKeuze& keuze);
    // Caption, grid rows and buttons as the model stands.
    void Toon();
    bool Meerdere() const;

    QLabel* pnlCapNieuw;
    TGridView* gvGrid;
    QRadioButton* rdbtnEnkeleRes;
    QRadioButton* rdbtnMeerdereRes;
    QPushButton* btnOngedaan;
    QPushButton* btnEditPers;
    QPushButton* btnGegevens;
    QPushButton* btnOk;
    QPushButton* btnAnnuleren;

private:
    void MaakKnoppen();
    void Verbind();
    void ZetVet();
    void VulGrid();
    void PersonenBewerkt(const QString& kolom, int rij);
    void OkClick();

    NieuweReservering& model_;
    NieuwDiensten diensten_;
};

}  // namespace bord
