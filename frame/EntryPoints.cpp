#include "frame/EntryPoints.h"

#include <memory>

#include "board/Rsvovresunit.h"
#include "checkin/Rsvincheckunit.h"
#include "frame/BordVenstersFrame.h"
#include "frame/DialogFuncties.h"
#include "host/ui/HoofdVenster.h"
#include "reservation/Rsvzoekresunit.h"

TForm* InCheckNieuw(TChildWindowManager* manager, JaarNr* reservering, TDateTime* datum)
{
    const std::unique_ptr<JaarNr> res(reservering);
    const std::unique_ptr<TDateTime> dag(datum);
    auto* form = new TfrmRsvInCheck(HoofdVenster(), manager);
    if (res)
        form->ZetReservering(*res);
    if (dag)
        form->ZetDatum(*dag);
    form->show();
    return form;
}

TForm* OverzichtReserveringen(TChildWindowManager* manager, TDateTime* datum)
{
    const std::unique_ptr<TDateTime> dag(datum);
    auto* form = new TfrmRsvOvRes(HoofdVenster(), manager);
    form->ZetVensters(&FrameBordVensters());
    if (dag)
        form->ZetStartDatum(*dag);
    form->show();
    return form;
}

TForm* ZoekReservering(TChildWindowManager* manager)
{
    auto* form = new TfrmRsvZoekRes(HoofdVenster(), manager);
    form->show();
    return form;
}

void ExternRsvDlgReserveringsOverzicht(QWidget* owner)
{
    RsvDlgReserveringsOverzicht(owner, JaarNr(0, 0));
}

void ExternRsvDlgReserveringsIncheck(QWidget* owner, JaarNr inCheck)
{
    RsvDlgReserveringsOverzicht(owner, inCheck);
}

void ExternRsvDlgKamer(QWidget* owner) { RsvDlgKamer(owner); }
void ExternRsvDlgKamerType(QWidget* owner) { RsvDlgKamerType(owner); }
void ExternRsvDlgTariefSoort(QWidget* owner) { RsvDlgTariefSoort(owner); }
void ExternRsvDlgPeriode(QWidget* owner) { RsvDlgPeriode(owner); }
