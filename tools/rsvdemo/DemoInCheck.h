#pragma once
// The demo's stays: every room of a reservation checked in (and out) through
// the check-in list's own write paths, and a guest named for one room before
// arrival.

#include <cstdint>
#include <QStringList>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"

// Checks in every line of the reservation on the day `aankomst`, each with a
// till registration; with `vertrek` > 0 also checks them out that day. The
// header's status follows.
bool DemoInChecken(const JaarNr& reservering, TDateTime aankomst, TDateTime vertrek = 0);

// Names a guest for `kamerNr` of the reservation (a pre-registration).
bool DemoVoorRegistratie(const JaarNr& reservering, int32_t kamerNr, const QStringList& regels);
