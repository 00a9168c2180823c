#include "reservation/Rsvzoekresunit.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "host/base/EBrRuntime.h"
#include "host/base/HuidigeDatum.h"
#include "host/base/MachineSettings.h"
#include "host/ui/GridUitvoer.h"
#include "host/ui/GvlLayout.h"
#include "host/ui/Messages.h"
#include "host/ui/TGridView.h"
#include "reservation/UpDown.h"
#include "reservation/ZoekTreffers.h"

namespace {
const QString kFormKey = QStringLiteral("form");

void ZetKleur(QWidget* w, bool aan)
{
    QPalette kleuren = w->palette();
    kleuren.setColor(QPalette::Base, w->palette().color(aan ? QPalette::Base : QPalette::Button));
    w->setPalette(kleuren);
}

void ZetInvoer(QWidget* w, bool aan)
{
    w->setEnabled(aan);
    ZetKleur(w, aan);
    if (aan)
        w->setFocus();
}
}  // namespace

TfrmRsvZoekRes::TfrmRsvZoekRes(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvZoekRes")), huidigJaar_(HuidigeDatum::Object().Jaar())
{
    SetCaption(QStringLiteral("Overzicht reserveringen"));
    SluitBijModaalResultaat();
    titel_ = Caption();
    resize(900, 560);
    MaakWidgets();
    gvOverzicht->SetIniDir(GvlPath() + QStringLiteral("/Tlr"));
    gvOverzicht->CheckIniFileName(IdentityName() + QStringLiteral(".gvl"));
    if (!IsHosted())
        gvOverzicht->SetPrinterInstRegKey(PrinterInstRegKey(IdentityName()));
    Verbind();
    ZetUitvoer(true);
}

void TfrmRsvZoekRes::Verbind()
{
    for (QRadioButton* knop : {rdbtnJaar, rdbtnDatum, rdbtnNaam})
        connect(knop, &QRadioButton::clicked, this, &TfrmRsvZoekRes::rdbtnJaarClick);
    for (QRadioButton* knop : {rdbtnAlle, rdbtnSelectie})
        connect(knop, &QRadioButton::clicked, this, &TfrmRsvZoekRes::rdbtnAlleClick);
    for (QComboBox* box : {cmbxSort, cmbxSortOrder})
        connect(box, &QComboBox::currentIndexChanged, this, &TfrmRsvZoekRes::cmbxSortChange);
    connect(edtJaar, &QLineEdit::textEdited, this, &TfrmRsvZoekRes::edtJaarChange);
    connect(edtJaar, &QLineEdit::editingFinished, this, &TfrmRsvZoekRes::KlemJaarVeld);
    connect(updnJaar, &TUpDown::Gewijzigd, this, &TfrmRsvZoekRes::edtJaarChange);
    connect(lstbxWeergave, &QListWidget::itemDoubleClicked, this, &TfrmRsvZoekRes::lstbxWeergaveDblClick);
    lstbxWeergave->installEventFilter(this);
    connect(btnOverzicht, &QPushButton::clicked, this, &TfrmRsvZoekRes::Refresh);
    connect(gvOverzicht, &TGridView::OnVullenGereed, this, &TfrmRsvZoekRes::ZetUitvoer);
    connect(gvOverzicht, &TGridView::OnResetGrid, this, &TfrmRsvZoekRes::ZetUitvoer);
    connect(gvOverzicht, &TGridView::OnDblClick, this, &TfrmRsvZoekRes::gvOverzichtDblClick);
    connect(btnPrint, &QPushButton::clicked, this, &TfrmRsvZoekRes::btnPrintClick);
    connect(btnOk, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    connect(btnAnnuleren, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
}

void TfrmRsvZoekRes::AddHostMenuItems(QMenu& hostMenu)
{
    const QPointer<TfrmRsvZoekRes> form(this);
    mnuExporteren_ = Manager()->AddMenuItem(hostMenu, QStringLiteral("Exporteren"), [form] {
        if (form)
            form->gvOverzicht->Export();
    });
    mnuAfdrukken_ = Manager()->AddMenuItem(hostMenu, QStringLiteral("Afdrukken"), [form] {
        if (form)
            form->gvOverzicht->Print();
    });
    ZetUitvoer(gvOverzicht->RijAantal() == 0);
}

void TfrmRsvZoekRes::FormShow()
{
    THostedForm::FormShow();
    if (!IsHosted())
        MachineSettings(IdentityName()).ReadFormPosSize(kFormKey, *this);
    PasToe(zoek::ZoekInstellingen::Lees(IdentityName(), huidigJaar_, HuidigeDatum::Object().Huidige()));
    getoond_ = true;
    rdbtnAlleClick();
    rdbtnJaarClick();
    Refresh();
}

bool TfrmRsvZoekRes::FormCloseQuery()
{
    if (ModalResult() != mrOk)
        return true;
    const int rij = gvOverzicht->HuidigeRij();
    if (rij < 0 || rij >= int(rijen_.size()))
        return false;
    geselecteerd_ = rijen_[rij];
    return true;
}

void TfrmRsvZoekRes::FormClose(TCloseAction& action)
{
    Instellingen().Schrijf(IdentityName());
    if (!IsHosted())
        MachineSettings(IdentityName()).WriteFormPosSize(kFormKey, *this);
    THostedForm::FormClose(action);
}

void TfrmRsvZoekRes::reject() { SetModalResult(mrCancel); }

bool TfrmRsvZoekRes::eventFilter(QObject* object, QEvent* event)
{
    if (object == lstbxWeergave && event->type() == QEvent::FocusOut)
        lstbxWeergave->clearSelection();
    return THostedForm::eventFilter(object, event);
}

void TfrmRsvZoekRes::Refresh()
{
    gvOverzicht->ResetGrid();
    rijen_.clear();
    zoek::ZoekVraag vraag;
    if (!LeesVraag(vraag))
        return;
    const QString weergave = (vraag.alle ? rdbtnAlle : rdbtnSelectie)->text();
    gvOverzicht->PrintZetKopRegels(titel_, zoek::KopRegel(vraag, weergave));
    try {
        VulGrid(zoek::LeesRijen(zoek::Zoek(vraag), vraag));
    } catch (const EBrRuntime& fout) {
        ErrorMsg(fout.Message(), titel_);
    }
}

void TfrmRsvZoekRes::VulGrid(const std::vector<zoek::ZoekRij>& rijen)
{
    gvOverzicht->Execute([&] {
        for (const zoek::ZoekRij& rij : rijen) {
            gvOverzicht->FillNewCol(QStringLiteral("boeknr"), &rij.boekNr);
            gvOverzicht->FillNewCol(QStringLiteral("naam"), &rij.naam);
            gvOverzicht->FillNewCol(QStringLiteral("voornaam"), &rij.voornaam);
            gvOverzicht->FillNewColDatum(QStringLiteral("begindat"), &rij.begin);
            gvOverzicht->FillNewColDatum(QStringLiteral("einddat"), &rij.eind);
            gvOverzicht->FillNewCol(QStringLiteral("status"), &rij.status);
            gvOverzicht->FillNewCol(QStringLiteral("kamers"), &rij.kamers);
            gvOverzicht->EndGroup();
            rijen_.push_back(rij.nr);
        }
    });
}

void TfrmRsvZoekRes::ZetUitvoer(bool leeg)
{
    for (QPushButton* knop : {btnPrint, btnOk})
        knop->setEnabled(!leeg);
    for (QAction* actie : {mnuExporteren_.data(), mnuAfdrukken_.data()})
        if (actie)
            actie->setEnabled(!leeg);
}

void TfrmRsvZoekRes::rdbtnJaarClick()
{
    if (!getoond_)
        return;
    const bool jaar = rdbtnJaar->isChecked();
    updnJaar->setEnabled(jaar);
    ZetInvoer(edtJaar, jaar);
    ZetInvoer(dtpckDatum, rdbtnDatum->isChecked());
    ZetInvoer(edtNaam, rdbtnNaam->isChecked());
}

void TfrmRsvZoekRes::rdbtnAlleClick()
{
    if (!getoond_)
        return;
    const bool selectie = rdbtnSelectie->isChecked();
    lstbxWeergave->setEnabled(selectie);
    ZetKleur(lstbxWeergave, selectie);
    if (!selectie)
        lstbxWeergave->clearSelection();
}

void TfrmRsvZoekRes::edtJaarChange()
{
    if (getoond_ && edtJaar->text().size() == 4)
        Refresh();
}

void TfrmRsvZoekRes::KlemJaarVeld() { updnJaar->ZetPositie(edtJaar->text().toInt()); }

void TfrmRsvZoekRes::cmbxSortChange()
{
    if (getoond_)
        Refresh();
}

void TfrmRsvZoekRes::lstbxWeergaveDblClick()
{
    QListWidgetItem* item = lstbxWeergave->currentItem();
    if (item)
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void TfrmRsvZoekRes::gvOverzichtDblClick(int)
{
    // Hosted, the overview has no one to hand a reservation to.
    if (!IsHosted())
        SetModalResult(mrOk);
}

void TfrmRsvZoekRes::btnPrintClick()
{
    if (gvOverzicht->RijAantal() > 0)
        gvOverzicht->Print();
}
