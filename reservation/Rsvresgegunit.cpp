#include "reservation/Rsvresgegunit.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "host/base/DatumTekst.h"
#include "host/base/EBrRuntime.h"
#include "host/base/MachineSettings.h"
#include "host/brlib/ResStatus.h"
#include "host/tillra/TlrSettings.h"
#include "host/ui/BrlKeyPad.h"
#include "host/ui/GridCel.h"
#include "host/ui/HandlerGuard.h"
#include "host/ui/Messages.h"
#include "host/ui/ModalShow.h"
#include "host/ui/TGridView.h"
#include "reservation/GastGegevens.h"
#include "reservation/KamerGrid.h"
#include "reservation/ProductPagina.h"
#include "reservation/RadioGroup.h"
#include "reservation/RelatiePagina.h"
#include "reservation/ResGegOpbouw.h"
#include "reservation/ResGegPaginas.h"
#include "reservation/ResProducten.h"

namespace {
const QString kFormKey = QStringLiteral("form");
constexpr int kTabHoogteStandAlone = 33;
}  // namespace

TfrmRsvResGeg::TfrmRsvResGeg(QWidget* owner, TChildWindowManager* manager, bool standAlone)
    : THostedForm(owner, manager, QStringLiteral("RsvResGeg")),
      titel_(QStringLiteral("Reserveringsgegevens")),
      standAlone_(standAlone)
{
    // The design caption; it stays the title of the form's messages.
    SetCaption(titel_);
    SluitBijModaalResultaat();
    BouwResGegControls(*this);
    relatie_ = new RelatiePagina({gvGrid, pnlVoorReg, btnVoorReg, btnSelRel, flblRelNr}, gegevens_, voorRegs_, titel_);
    producten_ = new ProductPagina(*this, gegevens_.producten);
    Verbind();
    setMinimumWidth(636);
    resize(696, 572);
}

void TfrmRsvResGeg::Verbind()
{
    connect(btnOk, &QPushButton::clicked, this, &TfrmRsvResGeg::btnOkClick);
    connect(btnAnnuleren, &QPushButton::clicked, this, &TfrmRsvResGeg::btnAnnulerenClick);
    connect(btnEdit, &QPushButton::clicked, this, &TfrmRsvResGeg::btnEditClick);
    connect(btnInCheck, &QPushButton::clicked, this, [this] { SetModalResult(3); });
    connect(btnResAnnu, &QPushButton::clicked, this, &TfrmRsvResGeg::btnResAnnuClick);
    connect(btnDelUitGroep, &QPushButton::clicked, this, &TfrmRsvResGeg::btnDelUitGroepClick);
    ConnectGuarded(btnAfdrukken, &QPushButton::clicked, this, [this] { btnAfdrukkenClick(); });
    ConnectGuarded(btnEmail, &QPushButton::clicked, this, [this] { btnEmailClick(); });
    connect(btnMinEindDat, &QPushButton::clicked, this, [this] { dtpckEindDatum->setDate(dtpckEindDatum->date().addDays(-1)); });
    connect(btnPlusEindDat, &QPushButton::clicked, this, [this] { dtpckEindDatum->setDate(dtpckEindDatum->date().addDays(1)); });
    connect(pgMain, &QTabWidget::currentChanged, this, &TfrmRsvResGeg::pgMainChange);
}

void TfrmRsvResGeg::ZetGegevens(const ResGegevens& gegevens, double totaalBedrag)
{
    gegevens_ = gegevens;
    totaalBedrag_ = totaalBedrag;
}

void TfrmRsvResGeg::FormShow()
{
    THostedForm::FormShow();
    if (!IsHosted())
        MachineSettings(IdentityName()).ReadFormPosSize(kFormKey, *this);
    if (standAlone_ && Tillra::TlrSettings::Object().SchermToetsenbord())
        BrlKeyPad::Bind(this);
    Laad();
}

void TfrmRsvResGeg::Laad()
{
    if (standAlone_)
        ZetTabHoogte(*pgMain, kTabHoogteStandAlone);
    if (reservering_.IsLeeg())
        ZetNieuweModus();
    else if (!LeesOpgeslagen())
        return;
    pgMain->setCurrentWidget(tbRelatie);
    flblTotBedrag->setText(FormatGetal(totaalBedrag_, QStringLiteral("0.00")));
    ToonKeuzes();
    relatie_->Laad(opgeslagen_.res.kamerRegels);
    reExtra->setPlainText(gegevens_.extraRegels.join(u'\n'));
    if (modus_ == mdNieuw) {
        relatie_->ZetBewerkbaar(true);
        producten_->LaadNieuw();
        producten_->ZetBewerkbaar(true);
    } else
        ZetRaadpleegModus();
}

// Reads the stored reservation into the form; false (after telling the user)
// when it cannot be read.
bool TfrmRsvResGeg::LeesOpgeslagen()
{
    modus_ = mdRaadplegen;
    ProductenStand producten;
    try {
        opgeslagen_ = LeesOpgeslagenRes(reservering_);
        gegevens_ = GegevensVan(opgeslagen_.res);
        producten = LeesProducten(opgeslagen_.res);
    } catch (const EBrRuntime& fout) {
        ErrorMsg(fout.Message(), titel_);
        return false;
    }
    const brlib::RsvReservering& res = opgeslagen_.res;
    producten_->Laad(producten);
    voorRegs_ = opgeslagen_.voorRegs;
    totaalBedrag_ = res.totaalBedrag;
    VulKamerGrid(*gvKamers, res.kamerRegels);
    flblResBoekNr->setText(res.boekNr);
    flblRegDatum->setText(FormatDateTime(QStringLiteral("dd-mm-yyyy (hh:nn)"), res.regDatum));
    flblStatus->setText(brlib::RsvGetStatusOmschr(res.status));
    const bool inGroep = res.groepNr > 0;
    flblGroepNr->setText(inGroep ? QString::number(res.groepNr) : QString());
    lblGroepNr->setVisible(inGroep);
    flblGroepNr->setVisible(inGroep);
    btnResAnnu->setEnabled(res.IsVolledigOpenstaand());
    btnDelUitGroep->setEnabled(inGroep);
    btnSelRel->hide();
    ZetKeuzesBewerkbaar(true, false);
    btnVoorReg->setEnabled(true);
    return true;
}

// A reservation that is not stored yet: nothing to show of the store, nothing
// to do with it but fill in its details.
void TfrmRsvResGeg::ZetNieuweModus()
{
    modus_ = mdNieuw;
    SetCaption(QStringLiteral("Invoeren reserveringsgegevens"));
    pgMain->setTabVisible(pgMain->indexOf(tbKamers), false);
    btnSelRel->show();
    btnVoorReg->setEnabled(false);
    flblResBoekNr->setText(QStringLiteral("NIEUW"));
    flblRegDatum->clear();
    flblStatus->clear();
    flblGroepNr->clear();
    for (QWidget* knop : std::initializer_list<QWidget*>{btnResAnnu, btnAfdrukken, btnDelUitGroep, btnEmail, btnEdit,
                                                         btnInCheck, pnlEindDatum})
        knop->hide();
}

void TfrmRsvResGeg::ZetRaadpleegModus()
{
    SetCaption(QStringLiteral("Raadplegen reserveringsgegevens"));
    relatie_->ZetBewerkbaar(false);
    producten_->ZetBewerkbaar(false);
    gvKamers->SetEditMode(false);
    reExtra->setReadOnly(true);
    btnOk->hide();
    btnAnnuleren->setText(QStringLiteral("Sluiten"));
    for (QWidget* knop : std::initializer_list<QWidget*>{btnResAnnu, btnAfdrukken, btnDelUitGroep, btnEmail,
                                                         btnInCheck, btnEdit})
        knop->show();
    pnlEindDatum->hide();
}

void TfrmRsvResGeg::ZetKeuzesBewerkbaar(bool typeOok, bool aan)
{
    if (typeOok)
        rdgrpResType->setEnabled(aan);
    for (QWidget* keuze : std::initializer_list<QWidget*>{rdgrpNat, rdgrpZakPriv, grpbxExtra, chkbxExtra1,
                                                          chkbxExtra2, chkbxExtra3})
        keuze->setEnabled(aan);
}

void TfrmRsvResGeg::ToonKeuzes()
{
    rdgrpResType->SetItemIndex(gegevens_.vlaggen[0]);
    rdgrpNat->SetItemIndex(gegevens_.vlaggen[1]);
    rdgrpZakPriv->SetItemIndex(gegevens_.vlaggen[2]);
    chkbxExtra1->setChecked(gegevens_.extra[0] != 0);
    chkbxExtra2->setChecked(gegevens_.extra[1] != 0);
    chkbxExtra3->setChecked(gegevens_.extra[2] != 0);
}

void TfrmRsvResGeg::Verzamel()
{
    relatie_->BewaarGrid();
    gegevens_.extraRegels = TekstRegels(reExtra->toPlainText());
    // A value the radio groups cannot show is kept as it came.
    const auto neem = [](const TRadioGroup& groep, uint8_t& vlag) {
        if (groep.ItemIndex() >= 0)
            vlag = static_cast<uint8_t>(groep.ItemIndex());
    };
    neem(*rdgrpResType, gegevens_.vlaggen[0]);
    neem(*rdgrpNat, gegevens_.vlaggen[1]);
    neem(*rdgrpZakPriv, gegevens_.vlaggen[2]);
    gegevens_.extra[0] = chkbxExtra1->isChecked() ? 1 : 0;
    gegevens_.extra[1] = chkbxExtra2->isChecked() ? 1 : 0;
    gegevens_.extra[2] = chkbxExtra3->isChecked() ? 1 : 0;
}

void TfrmRsvResGeg::pgMainChange()
{
    if (modus_ != mdWijzigen)
        return;
    if (pgMain->currentWidget() == tbRelatie)
        gvGrid->setFocus();
    else if (pgMain->currentWidget() == tbExtra)
        reExtra->setFocus();
}

bool TfrmRsvResGeg::FormCloseQuery()
{
    if (modus_ == mdNieuw && ModalResult() == mrOk)
        Verzamel();
    return true;
}

void TfrmRsvResGeg::FormClose(TCloseAction& action)
{
    if (!IsHosted())
        MachineSettings(IdentityName()).WriteFormPosSize(kFormKey, *this);
    THostedForm::FormClose(action);
}

void TfrmRsvResGeg::reject()
{
    // Escape while a product line is being edited leaves only that edit.
    if (pnlArtEdit->isVisible())
        btnEditAnnuleren->click();
    else
        btnAnnulerenClick();
}

bool VraagResGegevens(QWidget* owner, bool standAlone, ResGegevens& gegevens, double totaalBedrag)
{
    TfrmRsvResGeg dlg(owner, nullptr, standAlone);
    dlg.ZetGegevens(gegevens, totaalBedrag);
    if (ShowModal(dlg) != mrOk)
        return false;
    gegevens = dlg.Gegevens();
    return true;
}
