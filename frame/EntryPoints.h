#pragma once
// Entry points the host calls by name, also when a module form asks it to
// through a call request. Each creates a new hosted form, shows it modeless and
// returns it; the form frees itself when it closes. Heap arguments are taken
// over and deleted; the caller must not use them afterwards.

#include "frame/Export.h"
#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"

class QWidget;
class TChildWindowManager;
class TForm;

extern "C" {
// The check-in list of `reservering` at `datum`.
RSV_EXPORT TForm* InCheckNieuw(TChildWindowManager* manager, JaarNr* reservering, TDateTime* datum);
// The planning board starting at `datum`.
RSV_EXPORT TForm* OverzichtReserveringen(TChildWindowManager* manager, TDateTime* datum);
// The reservation overview.
RSV_EXPORT TForm* ZoekReservering(TChildWindowManager* manager);

// Modal dialogs for other host modules; see DialogFuncties.h.
RSV_EXPORT void ExternRsvDlgReserveringsOverzicht(QWidget* owner);
RSV_EXPORT void ExternRsvDlgReserveringsIncheck(QWidget* owner, JaarNr inCheck);
RSV_EXPORT void ExternRsvDlgKamer(QWidget* owner);
RSV_EXPORT void ExternRsvDlgKamerType(QWidget* owner);
RSV_EXPORT void ExternRsvDlgTariefSoort(QWidget* owner);
RSV_EXPORT void ExternRsvDlgPeriode(QWidget* owner);
}
