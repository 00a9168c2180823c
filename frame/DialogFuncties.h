#pragma once
// Modal dialogs for other host modules and the module's own forms. Each creates
// its form with `owner` and no child-window manager, shows it modal through the
// host's modal-show service and deletes it.

#include "frame/Export.h"
#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"

class QWidget;

// The stand-alone planning board; a non-empty `inCheck` opens the reservation
// that holds that check-in.
RSV_EXPORT void RsvDlgReserveringsOverzicht(QWidget* owner, JaarNr inCheck);
// The check-in list of `reservering` at `datum`, with the room of `inCheck`
// (JaarNr(0, 0) for none) in focus.
RSV_EXPORT void RsvDlgInUitChecken(JaarNr reservering, TDateTime datum, QWidget* owner, JaarNr inCheck);
// The reservation overview as a picking dialog; true, with the reservation of
// the chosen row in `reservering`, after OK.
RSV_EXPORT bool RsvDlgZoekReservering(QWidget* owner, JaarNr& reservering);
// The details of a stored reservation; returns the form's modal result
// (1 changed, 2 closed, 3 check in or out).
RSV_EXPORT int RsvDlgReserveringsGegevens(QWidget* owner, JaarNr reservering, bool standAlone);
RSV_EXPORT void RsvDlgKamer(QWidget* owner);
RSV_EXPORT void RsvDlgKamerType(QWidget* owner);
RSV_EXPORT void RsvDlgTariefSoort(QWidget* owner);
RSV_EXPORT void RsvDlgPeriode(QWidget* owner);
