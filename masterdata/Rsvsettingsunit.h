#pragma once
// The settings dialog "Instellingen (per administratie)": the board's row
// height and cursors, check-in and booking options per administration, and
// the till server of this workstation. Storage and rules: RsvSettingsOpslag.h.

#include "masterdata/RsvSettingsOpslag.h"
#include "masterdata/StamDialoog.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;
class QWidget;

class TfrmRsvSettings : public TStamDialoog {
    Q_OBJECT
public:
    // With `geenKassaServer` the "Kassa server" tab is hidden and its settings
    // are neither shown nor written.
    TfrmRsvSettings(QWidget* owner, bool geenKassaServer);

    QTabWidget* pgMain;
    QWidget* tbAlgemeen;
    QWidget* tbKassaServer;
    QWidget* tbInterface;
    QSpinBox* edtRijHoogte;
    QToolButton* btnRijHoogtePlus;
    QToolButton* btnRijHoogteMin;
    QCheckBox* chkbxCursorHor;
    QRadioButton* rdbtnHor1;
    QRadioButton* rdbtnHor2;
    QCheckBox* chkbxCursorVert;
    QRadioButton* rdbtnVert1;
    QRadioButton* rdbtnVert2;
    QCheckBox* chkbxDebOvernemen;
    QCheckBox* chkbxAutoProdReg;
    QCheckBox* chkbxGeenGroep;
    QRadioButton* rdbtnDefGeenGroep;
    QCheckBox* chkbxWelGroep;
    QRadioButton* rdbtnDefWelGroep;
    QCheckBox* chkbxRelatieKaartVelden;
    QLineEdit* edtHost;
    QLineEdit* edtPoort;

protected:
    void FormShow() override;
    bool Accepteer() override;

private:
    // Construction of the pages (RsvsettingsWidgets.cpp).
    void MaakControls();
    QWidget* MaakAlgemeen();
    QWidget* MaakKassaServer();
    QWidget* MaakInterface();
    void Verbind();

    void Laad();
    void PasCursorsToe();
    void ToonGroep();
    void GroepOptieGewijzigd(bool welGroep, bool aan);
    void StandaardGekozen(bool welGroep);
    void chkbxRelatieKaartVeldenClick(bool aan);
    rsvsettings::Instellingen UitControls() const;

    const bool geenKassaServer_;
    rsvsettings::GroepOpties groep_;
    rsvsettings::KassaServer kassaServer_;
};
