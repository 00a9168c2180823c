#include "frame/DialogFuncties.h"

#include <memory>

#include "board/Rsvovresunit.h"
#include "checkin/Rsvincheckunit.h"
#include "frame/BordVenstersFrame.h"
#include "host/ui/ModalShow.h"
#include "masterdata/Rsvkamertypeunit.h"
#include "masterdata/Rsvkamerunit.h"
#include "masterdata/Rsvperiodeunit.h"
#include "masterdata/Rsvtariefsoortunit.h"
#include "reservation/Rsvresgegunit.h"
#include "reservation/Rsvzoekresunit.h"

namespace {
template <class Form>
void ToonModaal(QWidget* owner)
{
    auto form = std::make_unique<Form>(owner, nullptr);
    ShowModal(*form);
}
}

void RsvDlgReserveringsOverzicht(QWidget* owner, JaarNr inCheck)
{
    auto form = std::make_unique<TfrmRsvOvRes>(owner, nullptr);
    form->ZetVensters(&FrameBordVensters());
    if (inCheck != JaarNr(0, 0))
        form->ZetStartInCheck(inCheck);
    ShowModal(*form);
}

void RsvDlgInUitChecken(JaarNr reservering, TDateTime datum, QWidget* owner, JaarNr inCheck)
{
    auto form = std::make_unique<TfrmRsvInCheck>(owner, nullptr);
    form->ZetReservering(reservering);
    form->ZetFocusInCheck(inCheck);
    form->ZetDatum(datum);
    ShowModal(*form);
}

bool RsvDlgZoekReservering(QWidget* owner, JaarNr& reservering)
{
    TfrmRsvZoekRes form(owner, nullptr);
    if (ShowModal(form) != mrOk)
        return false;
    reservering = form.SelectedReservation();
    return true;
}

int RsvDlgReserveringsGegevens(QWidget* owner, JaarNr reservering, bool standAlone)
{
    auto form = std::make_unique<TfrmRsvResGeg>(owner, nullptr, standAlone);
    form->ZetReservering(reservering);
    return ShowModal(*form);
}

void RsvDlgKamer(QWidget* owner) { ToonModaal<TfrmRsvKamer>(owner); }
void RsvDlgKamerType(QWidget* owner) { ToonModaal<TfrmRsvKamerType>(owner); }
void RsvDlgTariefSoort(QWidget* owner) { ToonModaal<TfrmRsvTariefSoort>(owner); }
void RsvDlgPeriode(QWidget* owner) { ToonModaal<TfrmRsvPeriode>(owner); }
