#pragma once
// The host's relation picker: a searchable list of the relation cards of the
// current administration, shown through the host's modal-show service (so a
// test answers it with a script that calls Kies).

#include <cstdint>

#include "host/relations/RelatieBestand.h"
#include "host/ui/TForm.h"

class QLineEdit;
class QPushButton;
class QTableWidget;

class TfrmSelecteerRelatie : public TForm {
    Q_OBJECT
public:
    TfrmSelecteerRelatie(QWidget* owner, int32_t huidigeKaart);

    // Shows only the cards with `tekst` in a number, the name or the place.
    void Zoek(const QString& tekst);
    // Makes card `kaartNr` the chosen one (a shown row); false when it is not shown.
    bool Kies(int32_t kaartNr);
    // The card of the current row; 0 when no row is current.
    int32_t GekozenKaart() const;

    QLineEdit* edtZoek;
    QTableWidget* lvRelaties;
    QPushButton* btnOk;
    QPushButton* btnAnnuleren;

private:
    void Vul();

    relaties::RelatieBestand bestand_;
};

// The chosen relation card number; 0 when the user chose none.
int32_t SelecteerRelatie(int32_t huidigeKaart);
