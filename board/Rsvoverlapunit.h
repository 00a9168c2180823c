#pragma once
// Picks the first day of a partial room move, between the earliest day the
// target room allows and the last night of the line.

#include "host/base/TDateTime.h"
#include "host/ui/TForm.h"

class QLabel;
class QPushButton;

class TfrmRsvOverlap : public TForm {
    Q_OBJECT
public:
    explicit TfrmRsvOverlap(QWidget* owner);

    // The chosen date starts at today when that is allowed, else at `eerste`.
    void Zet(int32_t bronKamer, int32_t doelKamer, TDateTime eerste, TDateTime laatste);
    TDateTime GekozenDatum() const { return gekozen_; }

    QLabel* lblInfo;
    QPushButton* btnDagMin;
    QLabel* flblDatum;
    QPushButton* btnDagPlus;
    QPushButton* btnOk;
    QPushButton* btnAnnuleren;

protected:
    void FormShow() override;
    void FormClose(TCloseAction& action) override;

private:
    void ZetDatum(TDateTime datum);

    TDateTime eerste_ = 0;
    TDateTime laatste_ = 0;
    TDateTime gekozen_ = 0;
};
