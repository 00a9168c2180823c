#pragma once
// The demo's own small write paths for what the check-in forms will write:
// a room line checked in (and out), and a guest named for one room before
// arrival. Each is one action under the reservation lock.

#include <cstdint>
#include <QStringList>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"

// Checks in every line of the reservation at `aankomst`; with `vertrek` > 0
// also checks them out then. The header's status follows.
bool DemoInChecken(const JaarNr& reservering, TDateTime aankomst, TDateTime vertrek = 0);

// Names a guest for `kamerNr` of the reservation (a pre-registration).
bool DemoVoorRegistratie(const JaarNr& reservering, int32_t kamerNr, const QStringList& regels);
