#pragma once
// The occupancy overview by day, week, month or year; hosted through
// "rsv_ovmanag". The counting lives in Bezetting, the views' days and chart
// points in ManagWeergave; the form moves values between them and its controls.

#include <array>
#include <vector>

#include "frame/HostedForm.h"
#include "host/brlib/Kamer.h"
#include "reports/ManagWeergave.h"

class QChart;
class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class TGridView;

class TfrmRsvOvManag : public THostedForm<TfrmRsvOvManag> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvOvManag(QWidget* owner, TChildWindowManager* manager);

    const bezetting::Keuze& Huidige() const { return keuzes_[static_cast<int>(GekozenWeergave())]; }
    const bezetting::Bezetting& Cijfers() const { return cijfers_; }

    QTabWidget* pgMain;
    QDateEdit* dtpckDatum;
    QPushButton* btnDagMin;
    QPushButton* btnDagPlus;
    QLineEdit* edtWeek;
    QLabel* flblWeekJaar;
    QPushButton* btnWeekMin;
    QPushButton* btnWeekPlus;
    QComboBox* cmbxMaand;
    QLabel* flblMndJaar;
    QPushButton* btnMndMin;
    QPushButton* btnMndPlus;
    QLineEdit* edtJaar;
    QPushButton* btnJaarMin;
    QPushButton* btnJaarPlus;
    QTabWidget* pgOv;
    TGridView* gvOverzicht;
    QChartView* Chart;
    TGridView* gvValues;
    QPushButton* btnPrint;
    QPushButton* btnSluiten;

protected:
    void FormShow() override;
    void FormClose(TCloseAction& action) override;
    // Ctrl+Left and Ctrl+Right press "<<" or ">>" of the view, whichever control has the focus.
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void MaakWidgets();
    QWidget* MaakDag();
    QWidget* MaakWeek();
    QWidget* MaakMaand();
    QWidget* MaakJaar();
    QWidget* MaakOverzicht();
    QWidget* MaakGrafiek();
    QWidget* MaakKnoppen();
    QPushButton* Vorige(QWidget* ouder, const char* naam);
    QPushButton* Volgende(QWidget* ouder, const char* naam);
    void Verbind();

    bezetting::Weergave GekozenWeergave() const;
    bezetting::Keuze& HuidigeKeuze() { return keuzes_[static_cast<int>(GekozenWeergave())]; }
    void ToonKeuzes();
    void Stap(int richting);
    void dtpckDatumChange();
    void edtWeekChange();
    void cmbxMaandChange();
    void edtJaarChange();
    void Refresh();
    void VulOverzicht();
    void VulGrafiek();
    QString Titel() const;

    void pgMainChange();
    void btnPrintClick();

    std::vector<brlib::stKamer> kamers_;
    std::array<bezetting::Keuze, 4> keuzes_;  // per view, in the order of the tabs
    bezetting::Bezetting cijfers_;
    bool getoond_ = false;
    bool toont_ = false;  // the controls are being set from keuzes_: their change signals are ours
};
