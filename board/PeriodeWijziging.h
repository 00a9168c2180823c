#pragma once
// Storing a shifted period of a whole stored reservation (a unit without
// widgets): the header and every line get the new begin and end and move to
// the day chains of the new begin day.
//
// One action under the reservation lock: every room is checked on disk for
// the new period (the reservation's own lines do not count) and the header's
// change counter is compared with the one the board loaded.

#include <cstdint>
#include <QString>

#include "board/BordActie.h"
#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"

namespace bord {

struct PeriodeWijziging {
    JaarNr reservering;
    TDateTime nieuwBegin = 0;
    TDateTime nieuwEind = 0;
    bool tellerBekend = false;
    int32_t wijzigTeller = 0;
};

// The refusal of a reservation with a partly moved room.
QString GesplitstTekst();

// `titel` (the board's caption) titles the refusals:
//  - lock not had: failed, nothing written;
//  - a room taken on disk, the reservation changed elsewhere, a room partly
//    moved meanwhile, a begin in another year, a disk error: a message, done,
//    nothing written.
Afloop RegistreerPeriodeWijziging(const PeriodeWijziging& p, const QString& titel);

}  // namespace bord
