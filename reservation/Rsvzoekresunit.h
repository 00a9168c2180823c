#pragma once
// The reservation overview: reservations of a year, on a date or by guest name,
// narrowed to chosen statuses and sorted. Hosted through ZoekReservering it is
// an overview to print and export (with "Exporteren" and "Afdrukken" in the
// host's menu); shown modal without a manager it is the board's picking dialog:
// after OK, SelectedReservation() is the reservation of the chosen row.
//
// The search, the rows and the settings live in the Zoek* units; the form
// only moves values between them and its controls.

#include <vector>
#include <QPointer>

#include "frame/HostedForm.h"
#include "host/base/JaarNr.h"
#include "reservation/ZoekInstellingen.h"
#include "reservation/ZoekRijen.h"

class QAction;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class TGridView;
class TUpDown;

class TfrmRsvZoekRes : public THostedForm<TfrmRsvZoekRes> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvZoekRes(QWidget* owner, TChildWindowManager* manager);

    // The reservation of the row chosen with OK; JaarNr(0, 0) before that.
    JaarNr SelectedReservation() const { return geselecteerd_; }
    // The reservation of every grid row, in row order.
    const std::vector<JaarNr>& RijReserveringen() const { return rijen_; }

    void AddHostMenuItems(QMenu& hostMenu) override;

    QGroupBox* grpbxSelectie;
    QRadioButton* rdbtnJaar;
    QLineEdit* edtJaar;
    TUpDown* updnJaar;
    QRadioButton* rdbtnDatum;
    QDateEdit* dtpckDatum;
    QRadioButton* rdbtnNaam;
    QLineEdit* edtNaam;
    QGroupBox* grpbxWeergave;
    QRadioButton* rdbtnAlle;
    QRadioButton* rdbtnSelectie;
    QListWidget* lstbxWeergave;
    QGroupBox* grpbxSort;
    QComboBox* cmbxSort;
    QComboBox* cmbxSortOrder;
    QPushButton* btnOverzicht;
    TGridView* gvOverzicht;
    QWidget* pnlOnder;
    QPushButton* btnPrint;
    QPushButton* btnOk;
    QPushButton* btnAnnuleren;

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void FormClose(TCloseAction& action) override;
    void reject() override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void MaakWidgets();
    QGroupBox* MaakSelectie();
    QGroupBox* MaakWeergave();
    QGroupBox* MaakSort();
    QWidget* MaakOnder();
    void Verbind();

    void PasToe(const zoek::ZoekInstellingen& instellingen);
    zoek::ZoekInstellingen Instellingen() const;

    void Refresh();
    bool LeesVraag(zoek::ZoekVraag& vraag);
    void VulGrid(const std::vector<zoek::ZoekRij>& rijen);
    void ZetUitvoer(bool leeg);

    void rdbtnJaarClick();
    void rdbtnAlleClick();
    void edtJaarChange();
    void KlemJaarVeld();
    void cmbxSortChange();
    void lstbxWeergaveDblClick();
    void gvOverzichtDblClick(int rij);
    void btnPrintClick();

    QString titel_;
    int huidigJaar_;
    JaarNr geselecteerd_;
    std::vector<JaarNr> rijen_;
    bool getoond_ = false;
    QPointer<QAction> mnuExporteren_;
    QPointer<QAction> mnuAfdrukken_;
};
