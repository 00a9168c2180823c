#include "reservation/Rsvresgegunit.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "host/base/MachineSettings.h"
#include "host/tillra/TlrSettings.h"
#include "host/ui/BrlKeyPad.h"
#include "host/ui/GridCel.h"
#include "host/ui/ModalShow.h"
#include "host/ui/TGridView.h"
#include "reservation/GastGegevens.h"
#include "reservation/GastGrid.h"
#include "reservation/RadioGroup.h"
#include "reservation/ResGegOpbouw.h"
#include "reservation/ResGegPaginas.h"

namespace {
const QString kFormKey = QStringLiteral("form");
constexpr int kTabHoogteStandAlone = 33;
}  // namespace

TfrmRsvResGeg::TfrmRsvResGeg(QWidget* owner, TChildWindowManager* manager, bool standAlone)
    : THostedForm(owner, manager, QStringLiteral("RsvResGeg")), standAlone_(standAlone)
{
    // The design caption; it stays the title of the form's messages.
    SetCaption(QStringLiteral("Reserveringsgegevens"));
    BouwResGegControls(*this);
    gastGrid_ = new GastGrid(*gvGrid);
    connect(btnOk, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    connect(btnAnnuleren, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
    setMinimumWidth(636);
    resize(696, 572);
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
    ZetNieuweModus();
    pgMain->setCurrentWidget(tbRelatie);
    flblTotBedrag->setText(FormatGetal(totaalBedrag_, QStringLiteral("0.00")));
    ToonKeuzes();
    gastGrid_->BouwRijen(GastRijLabels(gegevens_));
    gastGrid_->Toon(HoofdgastRegels(gegevens_));
    ToonRelatieNr(gegevens_.relatieNr);
    reExtra->setPlainText(gegevens_.extraRegels.join(u'\n'));
    gvGrid->SetEditMode(true);
}

// A reservation that is not stored yet: nothing to show of the store, nothing
// to do with it but fill in its details.
void TfrmRsvResGeg::ZetNieuweModus()
{
    SetCaption(QStringLiteral("Invoeren reserveringsgegevens"));
    pgMain->setTabVisible(pgMain->indexOf(tbKamers), false);
    // Products and the relation picker are not wired in here: page and button show, disabled.
    pgMain->setTabEnabled(pgMain->indexOf(tbArtikel), false);
    btnSelRel->setEnabled(false);
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

void TfrmRsvResGeg::ToonKeuzes()
{
    rdgrpResType->SetItemIndex(gegevens_.vlaggen[0]);
    rdgrpNat->SetItemIndex(gegevens_.vlaggen[1]);
    rdgrpZakPriv->SetItemIndex(gegevens_.vlaggen[2]);
    chkbxExtra1->setChecked(gegevens_.extra[0] != 0);
    chkbxExtra2->setChecked(gegevens_.extra[1] != 0);
    chkbxExtra3->setChecked(gegevens_.extra[2] != 0);
}

void TfrmRsvResGeg::ToonRelatieNr(int32_t relatieNr)
{
    const bool bekend = relatieNr > 0;
    flblRelNr->setText(bekend ? QString::number(relatieNr) : QString());
    QPalette kleuren = flblRelNr->palette();
    kleuren.setColor(QPalette::Window, palette().color(bekend ? QPalette::Base : QPalette::Button));
    flblRelNr->setPalette(kleuren);
}

void TfrmRsvResGeg::Verzamel()
{
    ZetHoofdgastRegels(gegevens_, gastGrid_->Waarden());
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

bool TfrmRsvResGeg::FormCloseQuery()
{
    if (ModalResult() == mrOk)
        Verzamel();
    return true;
}

void TfrmRsvResGeg::FormClose(TCloseAction& action)
{
    if (!IsHosted())
        MachineSettings(IdentityName()).WriteFormPosSize(kFormKey, *this);
    THostedForm::FormClose(action);
}

// A modal result ends the show the way closing the window does, so that the
// close query collects the edits and the close keeps the position.
void TfrmRsvResGeg::done(int)
{
    if (!close())
        SetModalResult(mrNone);
}

void TfrmRsvResGeg::reject() { SetModalResult(mrCancel); }

bool VraagResGegevens(QWidget* owner, bool standAlone, ResGegevens& gegevens, double totaalBedrag)
{
    TfrmRsvResGeg dlg(owner, nullptr, standAlone);
    dlg.ZetGegevens(gegevens, totaalBedrag);
    if (ShowModal(dlg) != mrOk)
        return false;
    gegevens = dlg.Gegevens();
    return true;
}
