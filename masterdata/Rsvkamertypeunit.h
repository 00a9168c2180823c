#pragma once
// The list of room types; hosted through "rsv_kamertype", modal through RsvDlgKamerType.
// Tarieven edits the rates of the selected type for the current year.

#include <vector>

#include "host/brlib/KamerType.h"
#include "masterdata/StamLijstForm.h"

enum class KamerTypeModus;

class TfrmRsvKamerType : public TStamLijstForm<TfrmRsvKamerType> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvKamerType(QWidget* owner, TChildWindowManager* manager);

    const std::vector<brlib::stKamerType>& Lijst() const { return lijst_; }
    int Jaar() const { return jaar_; }

    QPushButton* btnTarief;

protected:
    void LeesLijst() override;
    void Nieuw() override;
    void Wijzig(int rij) override;
    void Verwijder(int rij) override;

private:
    void ToonLijst(int focusRij);
    // The dialog on `type` and, on OK, the write path of the mode; true when written.
    bool Bewerk(brlib::stKamerType& type, KamerTypeModus modus);
    void BewerkRij(int rij, KamerTypeModus modus);

    // Fixed while the form is open: the year whose rates the dialog edits.
    const int jaar_;
    std::vector<brlib::stKamerType> lijst_;
};
