#pragma once
// Storing a room move of one stored line (a unit without widgets): the whole
// line to another room, or, from a chosen day on, its tail, leaving the head
// on the old room with the new room as its continuation.
//
// One action under the reservation lock: the new room is checked on disk
// (also against the reservation's own other lines), the header's change counter is
// compared with the one the board loaded, and then the header, the lines,
// their day chains and the pre-registrations are written.

#include <cstdint>
#include <QString>

#include "board/BordActie.h"
#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"

namespace bord {

struct Verplaatsing {
    JaarNr reservering;
    int32_t regelNr = 0;          // the line in the reservation's year
    TDateTime begin = 0;          // the line's period as the board shows it
    TDateTime eind = 0;
    int32_t bronKamer = 0;
    int32_t nieuweKamer = 0;
    TDateTime vanaf = 0;          // first day on the new room; 0 moves the whole line
    bool tellerBekend = false;    // the board loaded the header's change counter
    int32_t wijzigTeller = 0;
};

// Lines are chained under their begin day in the files of their reservation's
// year, where readers look only for days of that year: a tail may not begin in
// another year. The refusal text, or empty when the move may go ahead.
QString JaargrensBezwaar(const Verplaatsing& v);

// `titel` (the board's caption) titles the refusals:
//  - nothing to move (same room): done, nothing written;
//  - no line or reservation, lock not had, line no longer as loaded: failed;
//  - new room taken on disk, reservation changed elsewhere, tail in the next
//    year, disk error: an error, done, nothing written.
Afloop RegistreerVerplaatsing(const Verplaatsing& v, const QString& titel);

}  // namespace bord
