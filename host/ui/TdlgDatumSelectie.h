#pragma once
// The host's date dialog: a month calendar, OK and Annuleren.
//
//   TDateTime van = ...;
//   if (TdlgDatumSelectie::Kies(van, this)) ...

#include "host/base/TDateTime.h"
#include "host/ui/TForm.h"

class QCalendarWidget;
class QPushButton;

class TdlgDatumSelectie : public TForm {
    Q_OBJECT
public:
    explicit TdlgDatumSelectie(QWidget* owner);

    TDateTime Datum() const;
    void ZetDatum(TDateTime datum);

    // Shows the dialog modal on `datum`; on OK stores the chosen day there.
    static bool Kies(TDateTime& datum, QWidget* owner,
                     const QString& caption = QStringLiteral("Selecteer datum"));

private:
    QCalendarWidget* calDatum;
    QPushButton* btnOk;
    QPushButton* btnAnnuleren;
};
