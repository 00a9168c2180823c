#pragma once
// The daily reports: the cleaning list of a day, the meals of a span of days
// and the guests present on a day, each on its own tab, printed on a printer
// through the grid or on the till's receipt printer. The board shows it
// modal; the lists themselves are built in RapportLijsten.

#include <memory>
#include <vector>

#include "frame/HostedForm.h"
#include "host/base/TDateTime.h"
#include "reports/RapportLijsten.h"

class QLabel;
class QPushButton;
class QTabWidget;
class TGridView;
namespace Tillra {
class KassaPrinter;
}

class TfrmRsvOvRapport : public THostedForm<TfrmRsvOvRapport> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvOvRapport(QWidget* owner, TChildWindowManager* manager);
    ~TfrmRsvOvRapport() override;

    TDateTime Van() const { return van_; }
    TDateTime Tot() const { return tot_; }
    void ZetVan(TDateTime datum);
    void ZetTot(TDateTime datum);

    QTabWidget* pgMain;
    QWidget* tbSchoonmaak;
    QWidget* tbOntbijt;
    QWidget* tbPersonen;
    TGridView* gvGrid;
    TGridView* gvOntbijt;
    TGridView* gvPersonen;
    QPushButton* btnDatum;
    QLabel* flblDatum;
    QPushButton* btnDagMin;
    QPushButton* btnDagPlus;
    QWidget* pnlEindDatum;
    QPushButton* btnEindDatum;
    QLabel* flblEindDatum;
    QPushButton* btnEindDagMin;
    QPushButton* btnEindDagPlus;
    QPushButton* btnAfdrukken;
    QPushButton* btnPrintBon;
    QPushButton* btnAnnuleren;

protected:
    void FormShow() override;
    void FormClose(TCloseAction& action) override;
    void reject() override;

private:
    void MaakWidgets();
    QWidget* MaakDatums();
    QWidget* MaakKnoppen();
    QWidget* MaakTab(TGridView*& grid, const char* naam, const QString& layout);
    void Verbind();

    void Refresh();
    TGridView* ActieveGrid() const;
    QString KopRegel() const;
    void VulSchoonmaak();
    void VulOntbijt();
    void VulPersonen();

    void pgMainChange();
    void btnDatumClick();
    void btnEindDatumClick();
    void btnAfdrukkenClick();
    void btnPrintBonClick();
    QStringList BonRegels() const;

    TDateTime van_ = 0;
    TDateTime tot_ = 0;
    bool getoond_ = false;
    std::shared_ptr<Tillra::KassaPrinter> bonPrinter_;
    std::vector<rapport::KamerRegel> kamers_;
    std::vector<rapport::GastRegel> gasten_;
};
