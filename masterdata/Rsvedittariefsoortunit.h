#pragma once
// Edit dialog of one rate type: code, description, and how it is counted
// (per a number of days, or on checked days of the week).

#include "host/brlib/TariefSoort.h"
#include "masterdata/StamDialoog.h"

class QLineEdit;
class QListWidget;
class QRadioButton;

class TfrmRsvEditTariefSoort : public TStamDialoog {
    Q_OBJECT
public:
    // A rate type with record number 0 is new.
    TfrmRsvEditTariefSoort(QWidget* owner, const brlib::stTariefSoort& soort);

    // The rate type as the dialog left it; changed only by an accepted OK.
    const brlib::stTariefSoort& TariefSoort() const { return soort_; }

    QLineEdit* edtCode;
    QLineEdit* edtOmschr;
    QRadioButton* rdbtnDagen;
    QLineEdit* edtDagen;
    QRadioButton* rdbtnWeekDagen;
    QListWidget* chklstWeekDagen;

protected:
    bool Accepteer() override;

private:
    void MaakControls();
    void ToonSoort();
    void ZetVorm(bool weekDagen);
    std::array<bool, 7> AangevinkteDagen() const;

    brlib::stTariefSoort soort_;
};
