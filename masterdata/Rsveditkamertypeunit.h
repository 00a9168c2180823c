#pragma once
// Dialog of one room type: its code and description (data mode) or only its
// rates (rates mode), with the rate matrix of the form's year below.

#include "host/brlib/KamerType.h"
#include "host/brlib/TariefMatrix.h"
#include "masterdata/StamDialoog.h"

class QLabel;
class QLineEdit;
class TGridView;

enum class KamerTypeModus { Gegevens, Tarieven };

class TfrmRsvEditKamerType : public TStamDialoog {
    Q_OBJECT
public:
    TfrmRsvEditKamerType(QWidget* owner, const brlib::stKamerType& type, int jaar, KamerTypeModus modus);

    // The room type as the dialog left it; changed only by an accepted OK.
    const brlib::stKamerType& KamerType() const { return type_; }
    // False when the year has no rate types or periods: the grid is read-only then.
    bool HeeftMatrix() const { return heeftMatrix_; }

    QLineEdit* edtCode;
    QLineEdit* edtOmschr;
    QLabel* flblCode;
    QLabel* flblOmschr;
    QLabel* pnlCap;
    TGridView* gvGrid;

protected:
    bool Accepteer() override;
    void FormShow() override;

private:
    void MaakControls(int jaar);
    void BouwMatrix(int jaar);
    void CelGewijzigd(const QString& kolom, int rij);

    brlib::stKamerType type_;
    KamerTypeModus modus_;
    brlib::stMatrix matrix_;
    bool heeftMatrix_ = false;
    bool gewaarschuwd_ = false;
};
