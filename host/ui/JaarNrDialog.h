#pragma once
// Asks the user for a year and a number (a reservation number, say):
//
//   jrnrdlgRes->SetWaarde(geselecteerd);
//   jrnrdlgRes->SetMaxAantal(GetReserveringCount(jaar));
//   if (jrnrdlgRes->Execute()) ... jrnrdlgRes->Waarde() ...
//
// OnChangeJaar fires while the dialog is open whenever the user changes the
// year; a SetMaxAantal from its handler applies to the open dialog at once.

#include <QObject>
#include <QPointer>

#include "host/base/JaarNr.h"
#include "host/ui/TfrmJaarNr.h"

class JaarNrDialog : public QObject {
    Q_OBJECT
public:
    explicit JaarNrDialog(QWidget* owner, const QString& caption = QStringLiteral("Selecteer nummer"));

    void SetCaption(const QString& caption) { caption_ = caption; }
    void SetWaarde(const JaarNr& waarde) { waarde_ = waarde; }
    JaarNr Waarde() const { return waarde_; }
    void SetMaxAantal(int maxAantal);  // below 0: no limit

    bool Execute();  // true when the user chose a number with OK

signals:
    void OnChangeJaar(int jaar);

private:
    QWidget* owner_;
    QString caption_;
    JaarNr waarde_;
    int maxAantal_ = -1;
    QPointer<TfrmJaarNr> open_;
};
