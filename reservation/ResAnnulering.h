#pragma once
// Cancelling a stored reservation and taking it out of its group (the details
// form's buttons), a unit without widgets. Each is one action under the
// reservation lock; outcomes as in ResActie.h.

#include <cstdint>
#include <QString>

#include "host/base/JaarNr.h"
#include "reservation/ResActie.h"

// Empties the reservation's texts, takes its lines out of their day chains and
// frees them, takes the header out of its day chain, sets the status to 99
// (cancelled) and takes it out of its group; the header stays. Geweigerd when
// the header's change counter is no longer `wijzigTeller`.
ActieUitkomst AnnuleerReservering(JaarNr sleutel, int32_t wijzigTeller, const QString& titel);

// Frees the reservation's member record in its group and sets its group number
// to 0. Compares no change counter: the group is not the form's to edit.
ActieUitkomst VerwijderUitGroep(JaarNr sleutel, const QString& titel);
