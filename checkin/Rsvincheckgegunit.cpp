#include "checkin/Rsvincheckgegunit.h"

#include <QApplication>
#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

#include "checkin/InCheckToestand.h"
#include "checkin/PersoonGegevens.h"
#include "checkin/RelatieKeuze.h"
#include "host/base/GlobalSettings.h"
#include "host/base/MachineSettings.h"
#include "host/relations/RelatieNrLabel.h"
#include "host/tillra/TlrSettings.h"
#include "host/ui/BrlKeyPad.h"
#include "host/ui/GvlLayout.h"
#include "host/ui/TGridView.h"
#include "reservation/GastGrid.h"

namespace {
const QString kFormKey = QStringLiteral("form");
const QString kPersoonNr = QStringLiteral("persoonnr");
const QString kNaam = QStringLiteral("naam");
const QString kRelNr = QStringLiteral("relnr");
}  // namespace

TfrmRsvInCheckGeg::TfrmRsvInCheckGeg(QWidget* owner, TChildWindowManager* manager, bool modal, int kamer,
                                     brlib::RsvReservering& reservering)
    : THostedForm(owner, manager, QStringLiteral("RsvInCheckGeg")), res_(reservering), kamer_(kamer), modal_(modal)
{
    SetCaption(QStringLiteral("Kamer inchecken"));
    SluitBijModaalResultaat();
    BouwControls();
    gvPers->SetIniDir(GvlPath() + QStringLiteral("/Tlr"));
    gvPers->CheckIniFileName(QStringLiteral("RsvIncheckPers.gvl"));
    gastGrid_ = new GastGrid(*gvGrid);
    // The label and data rows behave as the details form's guest grid, on a layout of their own.
    gvGrid->CheckIniFileName(QStringLiteral("RsvIncheckGeg.gvl"));
    connect(gvPers->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& huidig) { gvPersSelectCell(huidig.row()); });
    connect(gvPers, &TGridView::OnDblClick, this, [this] { btnWijzigenClick(); });
    connect(gvGrid, &TGridView::OnEditModeChanged, this, [this](bool aan) { gvGridEditModeChanged(aan); });
    gvGrid->installEventFilter(this);
    connect(btnNieuw, &QPushButton::clicked, this, [this] { btnNieuwClick(); });
    connect(btnWijzigen, &QPushButton::clicked, this, [this] { btnWijzigenClick(); });
    connect(btnVerwijderen, &QPushButton::clicked, this, [this] { btnVerwijderenClick(); });
    connect(btnOvernemen, &QPushButton::clicked, this, [this] { btnOvernemenClick(); });
    connect(btnToepassen, &QPushButton::clicked, this, [this] { gvGrid->SetEditMode(false); });
    connect(btnSelRel, &QPushButton::clicked, this, [this] { btnSelRelClick(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
    connect(btnAnnuleren, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
    resize(780, 520);
}

void TfrmRsvInCheckGeg::FormShow()
{
    THostedForm::FormShow();
    MachineSettings(IdentityName()).ReadFormPosSize(kFormKey, *this);
    if (modal_ && Tillra::TlrSettings::Object().SchermToetsenbord())
        BrlKeyPad::Bind(this);
    Laad();
    if (personen_.empty() && bewerkbaar_) {
        btnNieuwClick();
        if (!VoorregistratieOvernemen() && debOvernemen_)
            ReserveringOvernemen();
    }
}

void TfrmRsvInCheckGeg::Laad()
{
    GlobalSettings instellingen(QStringLiteral("Reservering"));
    debOvernemen_ = instellingen.ReadBool(QStringLiteral("DebOvernemen"), false);
    autoProdReg_ = instellingen.ReadBool(QStringLiteral("AutoProdReg"), false);
    registreerProducten_ = false;
    const brlib::stRes& kamer = res_.kamerRegels.at(kamer_);
    flblKamerNr->setText(QString::number(kamer.kamerNr));
    flblKamerType->setText(kamer.kamerType);
    btnSelRel->hide();
    const bool ingecheckt = incheck::IsIngecheckt(kamer);
    flblInCheckNr->setText(ingecheckt ? kamer.inCheck.sleutel.String(2, 5) : QStringLiteral("NIEUW"));
    flblInCheckDatum->setText(ingecheckt ? incheck::DatumTijdTekst(kamer.inCheck.inCheckTijd) : QString());
    bewerkbaar_ = !incheck::IsUitgecheckt(kamer);
    flblUitCheckDatum->setText(bewerkbaar_ ? QString() : incheck::DatumTijdTekst(kamer.inCheck.uitCheckTijd));
    personen_ = kamer.inCheck.personen;
    labels_ = incheck::PersoonLabels(res_);
    gastGrid_->BouwRijen(labels_);
    // Every field row in sight: the persons list may scroll, the fields not.
    gvGrid->setMinimumHeight(gvGrid->maximumHeight());
    layout()->activate();
    VerversPersonen();
    const int gekozen = GekozenPersoon();
    if (gekozen >= 0)
        ToonPersoon(gekozen);
    KnoppenBijwerken();
}

void TfrmRsvInCheckGeg::VerversPersonen()
{
    const int rij = gvPers->HuidigeRij();
    gvPers->Execute([&] {
        for (const brlib::stPersoon& p : personen_) {
            const QString nr = p.recNr > 0 ? QString::number(p.recNr) : QStringLiteral("(NIEUW)");
            const QString naam = incheck::PersoonNaam(p, labels_);
            const QString relatieNr = p.relatieNr > 0 ? QString::number(p.relatieNr) : QString();
            gvPers->FillNewCol(kPersoonNr, &nr);
            gvPers->FillNewCol(kNaam, &naam);
            gvPers->FillNewCol(kRelNr, &relatieNr);
            gvPers->EndGroup();
        }
    });
    if (!personen_.empty())
        gvPers->FocusRij(qBound(0, rij, int(personen_.size()) - 1));
}

int TfrmRsvInCheckGeg::GekozenPersoon() const
{
    const int rij = gvPers->HuidigeRij();
    return rij >= 0 && rij < int(personen_.size()) ? rij : -1;
}

void TfrmRsvInCheckGeg::ZetWaarden(const QStringList& waarden)
{
    gastGrid_->Toon(waarden);
}

void TfrmRsvInCheckGeg::ToonPersoon(int index)
{
    ZetWaarden(personen_[index].waarden);
    ToonRelatieNr(*flblRelNr, personen_[index].relatieNr);
}

void TfrmRsvInCheckGeg::KnoppenBijwerken()
{
    const bool bewerken = gvGrid->EditMode();
    btnNieuw->setEnabled(!bewerken && bewerkbaar_);
    btnOk->setEnabled(!bewerken && bewerkbaar_);
    btnWijzigen->setEnabled(!bewerken && bewerkbaar_ && !personen_.empty());
    btnVerwijderen->setEnabled(!bewerken && bewerkbaar_ && !personen_.empty());
    btnAnnuleren->setEnabled(!bewerken);
    btnOvernemen->setEnabled(bewerken && bewerkbaar_);
    btnToepassen->setEnabled(bewerken && bewerkbaar_);
}

bool TfrmRsvInCheckGeg::FormCloseQuery()
{
    // A person being edited must be applied first.
    return !gvGrid->EditMode();
}

void TfrmRsvInCheckGeg::FormClose(TCloseAction& action)
{
    MachineSettings(IdentityName()).WriteFormPosSize(kFormKey, *this);
    THostedForm::FormClose(action);
}

void TfrmRsvInCheckGeg::reject() { SetModalResult(mrCancel); }

bool TfrmRsvInCheckGeg::eventFilter(QObject* object, QEvent* event)
{
    // The grid's own cell editor takes the focus too; only leaving the grid counts.
    if (object == gvGrid && event->type() == QEvent::FocusOut && !gvGrid->isAncestorOf(QApplication::focusWidget()))
        gvGridExit();
    return THostedForm::eventFilter(object, event);
}

// Coming back to the fields starts at the first one.
void TfrmRsvInCheckGeg::gvGridExit() { gvGrid->FocusRij(0, QStringLiteral("data")); }
