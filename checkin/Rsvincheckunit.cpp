#include "checkin/Rsvincheckunit.h"

#include <algorithm>
#include <memory>
#include <QLabel>
#include <QPushButton>

#include "checkin/InCheckToestand.h"
#include "checkin/Rsvincheckgegunit.h"
#include "host/base/HuidigeDatum.h"
#include "host/base/MachineSettings.h"
#include "host/brlib/ResStatus.h"
#include "host/ui/GridCel.h"
#include "host/ui/GvlLayout.h"
#include "host/ui/ModalShow.h"
#include "host/ui/ModuleCallRequest.h"
#include "host/ui/TGridView.h"

namespace {
const QString kFormKey = QStringLiteral("form");
constexpr int kRijHoogte = 20;
}  // namespace

TfrmRsvInCheck::TfrmRsvInCheck(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvInCheck")),
      datum_(HuidigeDatum::Object().Huidige()),
      lijst_(QStringLiteral("In- en uitchecken"), [this] { Toon(); })
{
    SetCaption(QStringLiteral("In- en uitchecken"));
    BouwControls();
    gvOverzicht->SetIniDir(GvlPath() + QStringLiteral("/Tlr"));
    gvOverzicht->CheckIniFileName(QStringLiteral("RsvInCheck.gvl"));
    connect(gvOverzicht, &TGridView::OnDblClick, this, [this] { btnKamerInCheckClick(); });
    connect(btnKamerInCheck, &QPushButton::clicked, this, [this] { btnKamerInCheckClick(); });
    connect(btnKamerUitCheck, &QPushButton::clicked, this, [this] { lijst_.KamerUitchecken(GekozenKamer()); });
    connect(btnAllesUitCheck, &QPushButton::clicked, this, [this] { lijst_.AllesUitchecken(rijKamers_); });
    connect(btnAnnuIncheck, &QPushButton::clicked, this, [this] { lijst_.AnnuleerIncheck(GekozenKamer()); });
    connect(btnAnnuleren, &QPushButton::clicked, this, [this] { close(); });
    setMinimumSize(518, 300);
    resize(900, 420);
}

bool TfrmRsvInCheck::VraagOverzichtReserveringen() const
{
    return PostModuleCallRequest(ModuleCallRequest::Make(QStringLiteral("Reservering.bpl"),
                                                         QStringLiteral("_OverzichtReserveringen"),
                                                         std::make_unique<TDateTime>(datum_)));
}

void TfrmRsvInCheck::FormShow()
{
    THostedForm::FormShow();
    if (!IsHosted())
        MachineSettings(IdentityName()).ReadFormPosSize(kFormKey, *this);
    if (reservering_.IsLeeg()) {
        // Not from inside the show itself: the window is not fully shown yet.
        QMetaObject::invokeMethod(
            this, [this] { isVisible() && close(); }, Qt::QueuedConnection);
        return;
    }
    if (!IsHosted())
        gvOverzicht->ZetRijHoogte(kRijHoogte);
    Verversen();
}

void TfrmRsvInCheck::FormClose(TCloseAction& action)
{
    // A hosted list hands the user back to the board it came from.
    if (IsHosted())
        VraagOverzichtReserveringen();
    else
        MachineSettings(IdentityName()).WriteFormPosSize(kFormKey, *this);
    THostedForm::FormClose(action);
}

// Escape closes the form the way "Sluiten" does, also when it is hosted.
void TfrmRsvInCheck::reject() { close(); }

void TfrmRsvInCheck::Verversen()
{
    if (lijst_.LeesReservering(reservering_))
        Toon();
}

void TfrmRsvInCheck::Toon()
{
    const brlib::RsvReservering& res = lijst_.Reservering();
    flblResBoekNr->setText(res.boekNr);
    flblRegDatum->setText(incheck::DatumTijdTekst(res.regDatum));
    flblTotBedrag->setText(FormatGetal(res.totaalBedrag, QStringLiteral("#,##0.00")).trimmed());
    flblStatus->setText(brlib::RsvGetStatusOmschr(res.status == brlib::rsGeannuleerd ? 99 : int(res.status)));
    const int rij = gvOverzicht->HuidigeRij();
    gvOverzicht->Execute([this] { VulRegel(); });
    if (gvOverzicht->RijAantal() > 0 && rij >= 0)
        gvOverzicht->FocusRij(qMin(rij, gvOverzicht->RijAantal() - 1));
    ZetFocusOpInCheck();
}

// The room of the focus check-in gets its first row, once.
void TfrmRsvInCheck::ZetFocusOpInCheck()
{
    if (focusInCheck_.IsLeeg())
        return;
    const auto& kamers = lijst_.Reservering().kamerRegels;
    for (int i = 0; i < int(kamers.size()); ++i) {
        if (kamers[i].inCheck.sleutel != focusInCheck_ || incheck::IsVerplaatst(kamers[i]))
            continue;
        const auto rij = std::find(rijKamers_.begin(), rijKamers_.end(), i);
        if (rij != rijKamers_.end())
            gvOverzicht->FocusRij(int(rij - rijKamers_.begin()));
    }
    focusInCheck_ = JaarNr(0, 0);
}

int TfrmRsvInCheck::GekozenKamer() const
{
    const int rij = gvOverzicht->HuidigeRij();
    if (rij < 0 || rij >= int(rijKamers_.size()))
        return -1;
    const int kamer = rijKamers_[rij];
    return lijst_.IsKamer(kamer) ? kamer : -1;
}

void TfrmRsvInCheck::btnKamerInCheckClick()
{
    const int kamer = GekozenKamer();
    if (kamer < 0 || lijst_.ControleerGewijzigd() || lijst_.MeldVerplaatst(kamer))
        return;
    int resultaat = mrNone;
    {
        TfrmRsvInCheckGeg dlg(this, nullptr, !IsHosted(), kamer, lijst_.Reservering());
        resultaat = ShowModal(dlg);
    }
    lijst_.NaInChecken(resultaat);
}
