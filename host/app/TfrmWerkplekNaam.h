#pragma once
// Asks the name of this workstation: a line edit, OK and Annuleren.

#include "host/ui/TForm.h"

class QLineEdit;
class QPushButton;

class TfrmWerkplekNaam : public TForm {
    Q_OBJECT
public:
    explicit TfrmWerkplekNaam(QWidget* owner);

    QString Naam() const;
    void ZetNaam(const QString& naam);

private:
    QLineEdit* edtNaam;
    QPushButton* btnOk;
    QPushButton* btnAnnuleren;
};
