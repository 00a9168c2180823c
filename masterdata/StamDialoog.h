#pragma once
// Base of the master-data edit dialogs: OK runs the dialog's check and ends
// the dialog with mrOk only when it passes; Annuleren and Esc end it with
// mrCancel. The position is kept per workstation under the settings name,
// key "form".

#include <QString>

#include "host/ui/TForm.h"

class QHBoxLayout;
class QPushButton;

class TStamDialoog : public TForm {
    Q_OBJECT
public:
    TStamDialoog(QWidget* owner, const QString& settingsNaam);

    QPushButton* btnOk;
    QPushButton* btnAnnuleren;

protected:
    // Checks the input and takes it over into the dialog's item; false keeps
    // the dialog open (after Weiger).
    virtual bool Accepteer() = 0;
    // Shows `tekst` as a warning titled with the caption and focuses `veld`; false.
    bool Weiger(QWidget* veld, const QString& tekst);
    // The OK / Annuleren row, right-aligned.
    QHBoxLayout* MaakKnoppenRij();

    void FormShow() override;
    void hideEvent(QHideEvent* event) override;
    void reject() override;

private:
    QString settingsNaam_;
};
