#pragma once
// The periods of a year and their rates; hosted through "rsv_periode", modal through RsvDlgPeriode.
// New and changed periods are entered in the edit panel below the grid; every
// OK and every removal saves the whole year at once.

#include <vector>

#include "host/brlib/Periode.h"
#include "masterdata/StamLijstForm.h"

class QDateEdit;
class QGroupBox;
class QLineEdit;
class QSpinBox;

class TfrmRsvPeriode : public TStamLijstForm<TfrmRsvPeriode> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvPeriode(QWidget* owner, TChildWindowManager* manager);

    int Jaar() const { return jaar_; }
    const std::vector<brlib::stPeriode>& Lijst() const { return lijst_; }

    QSpinBox* updnJaar;
    QLineEdit* edtJaar;  // the text part of updnJaar
    QWidget* pnlEdit;
    QGroupBox* grpEdit;
    QDateEdit* dtpckDatum;
    QLineEdit* edtOmschr;
    QPushButton* btnOk;
    QPushButton* btnAnnuleren;

protected:
    void LeesLijst() override;
    void Nieuw() override;
    void Wijzig(int rij) override;
    void Verwijder(int rij) override;
    bool FormCloseQuery() override;

private:
    void MaakJaarRij();
    void MaakPaneel();
    void LeesJaar(int jaar);
    void ToonLijst(TDateTime focusDatum);
    void ToonPaneel(const QString& titel);
    void VerbergPaneel();
    void PaneelOk();
    void SlaOpEnToon(TDateTime focusDatum);

    int jaar_;
    std::vector<brlib::stPeriode> lijst_;
};
