#pragma once
// What check-out and the cancelling of a check-in ask of a room and its till
// registration. `melding` receives the full text to show when the answer is no.

#include <QString>

#include "host/brlib/Res.h"

namespace incheck {

// The current date with the wall-clock time of day.
TDateTime NuMetTijd();

// False when the room is checked out already, or its registration still has
// ordered products or an open amount (tested in that order).
bool MagUitchecken(const brlib::stRes& kamer, QString& melding);
// Marks the room's registration as settled ("afgehandeld"); false when it was not stored.
bool RegistratieAfhandelen(const brlib::stRes& kamer);
// Stores the check-out (true) or takes it back (false), now; a checked-out
// room becomes "vuil" (unless it is out of use). The caller holds "rsv".
bool UitcheckOpslaan(const brlib::stRes& kamer, bool uitgecheckt);

// False when the room is checked out, or its registration is settled or
// (partly) paid.
bool MagIncheckAnnuleren(const brlib::stRes& kamer, QString& melding);

}  // namespace incheck
