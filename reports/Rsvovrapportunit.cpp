#include "reports/Rsvovrapportunit.h"

#include <algorithm>
#include <map>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "host/base/DatumTekst.h"
#include "host/base/HuidigeDatum.h"
#include "host/base/MachineSettings.h"
#include "host/tillra/KassaPrinter.h"
#include "host/ui/HandlerGuard.h"
#include "host/ui/Messages.h"
#include "host/ui/TdlgDatumSelectie.h"
#include "host/ui/TGridView.h"
#include "logboek/KamerStatus.h"
#include "reports/BonAfdruk.h"

namespace {
const QString kFormKey = QStringLiteral("form");
const QString kKortFormaat = QStringLiteral("ddd dd-mm-yyyy");
const QString kLangFormaat = QStringLiteral("dddd dd-mm-yyyy");
const QString kTm = QStringLiteral(" t/m ");

QStringList Kolommen(const TGridView& grid, int aantal)
{
    QStringList titels;
    for (int kolom = 1; kolom <= aantal; ++kolom)
        titels << grid.KolomTitel(kolom);
    return titels;
}

void Vul(TGridView& grid, const QString& kolom, bool gezet)
{
    static const QString kX = QStringLiteral("X");
    static const QString kLeeg;
    if (gezet)
        grid.FillNewCol(kolom, &kX);
    else
        grid.FillNewCol(kolom + QStringLiteral("_clr"), &kLeeg);
}
}  // namespace

TfrmRsvOvRapport::TfrmRsvOvRapport(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvOvRapport"))
{
    SetCaption(QStringLiteral("Overzichten / rapportage"));
    SluitBijModaalResultaat();
    resize(640, 520);
    MaakWidgets();
    pnlEindDatum->setVisible(false);
    Verbind();
}

TfrmRsvOvRapport::~TfrmRsvOvRapport() = default;

void TfrmRsvOvRapport::Verbind()
{
    ConnectGuarded(pgMain, &QTabWidget::currentChanged, this, [this] { pgMainChange(); });
    ConnectGuarded(btnDatum, &QPushButton::clicked, this, [this] { btnDatumClick(); });
    ConnectGuarded(btnDagMin, &QPushButton::clicked, this, [this] { ZetVan(van_ - 1); });
    ConnectGuarded(btnDagPlus, &QPushButton::clicked, this, [this] { ZetVan(van_ + 1); });
    ConnectGuarded(btnEindDatum, &QPushButton::clicked, this, [this] { btnEindDatumClick(); });
    ConnectGuarded(btnEindDagMin, &QPushButton::clicked, this, [this] { ZetTot(tot_ - 1); });
    ConnectGuarded(btnEindDagPlus, &QPushButton::clicked, this, [this] { ZetTot(tot_ + 1); });
    ConnectGuarded(btnAfdrukken, &QPushButton::clicked, this, [this] { btnAfdrukkenClick(); });
    ConnectGuarded(btnPrintBon, &QPushButton::clicked, this, [this] { btnPrintBonClick(); });
    connect(btnAnnuleren, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
}

void TfrmRsvOvRapport::FormShow()
{
    THostedForm::FormShow();
    if (!IsHosted())
        MachineSettings(IdentityName()).ReadFormPosSize(kFormKey, *this);
    van_ = tot_ = HuidigeDatum::Object().Huidige();
    bonPrinter_ = Tillra::PrinterLijst::Object().getBonPrinter();
    Refresh();
    getoond_ = true;
}

void TfrmRsvOvRapport::FormClose(TCloseAction& action)
{
    if (!IsHosted())
        MachineSettings(IdentityName()).WriteFormPosSize(kFormKey, *this);
    THostedForm::FormClose(action);
}

void TfrmRsvOvRapport::reject() { SetModalResult(mrCancel); }

void TfrmRsvOvRapport::ZetVan(TDateTime datum)
{
    van_ = DateOf(datum);
    tot_ = std::max(tot_, van_);
    Refresh();
}

void TfrmRsvOvRapport::ZetTot(TDateTime datum)
{
    tot_ = DateOf(datum);
    van_ = std::min(van_, tot_);
    Refresh();
}

void TfrmRsvOvRapport::btnDatumClick()
{
    TDateTime datum = van_;
    if (TdlgDatumSelectie::Kies(datum, this))
        ZetVan(datum);
}

void TfrmRsvOvRapport::btnEindDatumClick()
{
    TDateTime datum = tot_;
    if (TdlgDatumSelectie::Kies(datum, this))
        ZetTot(datum);
}

void TfrmRsvOvRapport::pgMainChange()
{
    pnlEindDatum->setVisible(pgMain->currentWidget() == tbOntbijt);
    if (getoond_)
        Refresh();
}

TGridView* TfrmRsvOvRapport::ActieveGrid() const
{
    QWidget* tab = pgMain->currentWidget();
    return tab == tbOntbijt ? gvOntbijt : tab == tbPersonen ? gvPersonen : gvGrid;
}

QString TfrmRsvOvRapport::KopRegel() const
{
    const QString van = FormatDateTime(kLangFormaat, van_);
    return pgMain->currentWidget() == tbOntbijt ? van + kTm + FormatDateTime(kLangFormaat, tot_) : van;
}

void TfrmRsvOvRapport::Refresh()
{
    btnAfdrukken->setEnabled(false);
    btnPrintBon->setEnabled(false);
    flblDatum->setText(FormatDateTime(kKortFormaat, van_));
    flblEindDatum->setText(FormatDateTime(kKortFormaat, tot_));
    TGridView* grid = ActieveGrid();
    grid->PrintZetKopRegels(pgMain->tabText(pgMain->currentIndex()), KopRegel());
    if (grid == gvOntbijt)
        VulOntbijt();
    else if (grid == gvPersonen)
        VulPersonen();
    else
        VulSchoonmaak();
    const bool rijen = grid->RijAantal() > 0;
    btnAfdrukken->setEnabled(rijen);
    btnPrintBon->setEnabled(rijen && bonPrinter_);
}

void TfrmRsvOvRapport::VulSchoonmaak()
{
    gvGrid->ResetGrid();
    kamers_ = rapport::SchoonmaakLijst(van_);
    // Housekeeping's own mark beside what the reservations say of each room.
    const std::map<int32_t, logboek::e_KamerStatus> statussen = logboek::KamerStatussen();
    gvGrid->Execute([&] {
        for (const rapport::KamerRegel& r : kamers_) {
            gvGrid->FillNewCol(QStringLiteral("kamernr"), &r.kamerNr);
            Vul(*gvGrid, QStringLiteral("status1"), r.vertrek);
            Vul(*gvGrid, QStringLiteral("status2"), r.blijft);
            Vul(*gvGrid, QStringLiteral("status3"), r.aankomst);
            const QString huishouding = logboek::KamerStatusTekst(logboek::StatusIn(statussen, r.kamerNr));
            gvGrid->FillNewCol(QStringLiteral("huishouding"), &huishouding);
            gvGrid->EndGroup();
        }
    });
}

void TfrmRsvOvRapport::VulOntbijt()
{
    gvOntbijt->ResetGrid();
    kamers_ = rapport::MaaltijdLijst(van_, tot_);
    gvOntbijt->Execute([&] {
        for (const rapport::KamerRegel& r : kamers_) {
            gvOntbijt->FillNewCol(QStringLiteral("kamernr"), &r.kamerNr);
            gvOntbijt->FillNewCol(QStringLiteral("ontbijt"), &r.ontbijt);
            gvOntbijt->FillNewCol(QStringLiteral("lunch"), &r.lunch);
            gvOntbijt->FillNewCol(QStringLiteral("diner"), &r.diner);
            gvOntbijt->EndGroup();
        }
    });
}

void TfrmRsvOvRapport::VulPersonen()
{
    gvPersonen->ResetGrid();
    gasten_ = rapport::GastenLijst(van_);
    gvPersonen->Execute([&] {
        for (const rapport::GastRegel& g : gasten_) {
            gvPersonen->FillNewCol(QStringLiteral("kamernr"), &g.kamerNr);
            gvPersonen->FillNewCol(QStringLiteral("naam"), &g.naam);
            gvPersonen->FillNewCol(QStringLiteral("plaats"), &g.plaats);
            gvPersonen->EndGroup();
        }
    });
}

void TfrmRsvOvRapport::btnAfdrukkenClick()
{
    TGridView* grid = ActieveGrid();
    if (grid->RijAantal() > 0)
        grid->Print();
}

QStringList TfrmRsvOvRapport::BonRegels() const
{
    const QString titel = pgMain->tabText(pgMain->currentIndex());
    QWidget* tab = pgMain->currentWidget();
    if (tab == tbOntbijt)
        return rapport::Bon(titel, FormatDateTime(kKortFormaat, van_) + kTm + FormatDateTime(kKortFormaat, tot_),
                            rapport::MaaltijdBon(kamers_, Kolommen(*gvOntbijt, 3)));
    const QString datum = FormatDateTime(kLangFormaat, van_);
    if (tab == tbPersonen)
        return rapport::Bon(titel, datum, rapport::GastenBon(gasten_, Kolommen(*gvPersonen, 1)));
    return rapport::Bon(titel, datum, rapport::SchoonmaakBon(kamers_, Kolommen(*gvGrid, 3)));
}

void TfrmRsvOvRapport::btnPrintBonClick()
{
    if (!bonPrinter_ || !bonPrinter_->Beschikbaar())
        return;
    bonPrinter_->StartBon();
    for (const QString& regel : BonRegels())
        bonPrinter_->Regel(regel);
    bonPrinter_->Cut();
    if (!bonPrinter_->EindBon())
        ErrorMsg(QStringLiteral("De bon kon niet naar de bonprinter ") + bonPrinter_->Apparaat() +
                     QStringLiteral(" worden gestuurd."),
                 Caption());
}
