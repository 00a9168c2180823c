#pragma once
// Edit dialog of one room: number, description, room type, maximum persons
// and the date from which it can be booked.

#include <cstdint>
#include <vector>

#include "host/brlib/Kamer.h"
#include "masterdata/StamDialoog.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

class TfrmRsvEditKamer : public TStamDialoog {
    Q_OBJECT
public:
    // `andereNrs`: the numbers of all other rooms, which the room may not take.
    TfrmRsvEditKamer(QWidget* owner, const brlib::stKamer& kamer, std::vector<int32_t> andereNrs);

    // The room as the dialog left it; changed only by an accepted OK.
    const brlib::stKamer& Kamer() const { return kamer_; }

    QLineEdit* edtKamerNr;
    QLineEdit* edtOmschr;
    QComboBox* cmbxKamerType;
    QLabel* flblTypeOmschr;
    QComboBox* cmbxPersonen;
    QCheckBox* chkbxBeginDat;
    QDateEdit* dtpckBeginDat;

protected:
    bool Accepteer() override;
    void FormShow() override;

private:
    void MaakControls();
    void ToonKamer();
    void ToonTypes();
    void TypeGekozen(int index);

    brlib::stKamer kamer_;
    std::vector<int32_t> andereNrs_;
    std::vector<brlib::stKamerType> types_;
    bool gewaarschuwd_ = false;
};
