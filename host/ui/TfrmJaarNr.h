#pragma once
// The window of JaarNrDialog: a year and a number within that year.

#include "host/base/JaarNr.h"
#include "host/ui/TForm.h"

class QSpinBox;
class QPushButton;

class TfrmJaarNr : public TForm {
    Q_OBJECT
public:
    explicit TfrmJaarNr(QWidget* owner);

    JaarNr Waarde() const;
    void ZetWaarde(const JaarNr& waarde);
    // The highest number of the shown year; below 0: no limit.
    void ZetMaxAantal(int maxAantal);

signals:
    void JaarGewijzigd(int jaar);

private:
    void btnOkClick();

    QSpinBox* spnJaar;
    QSpinBox* spnNr;
    QPushButton* btnOk;
    QPushButton* btnAnnuleren;
    int maxAantal_ = -1;
};
