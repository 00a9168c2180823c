#pragma once
// Storing the new lines of the board as reservations (a unit without widgets).
//
// One call is one action under the reservation lock: the rooms are checked
// again on disk, then headers, lines, day chains, texts and group records are
// written and the update count is raised; the action is committed as a whole
// when the lock is released. On any failure nothing of it reaches the disk.

#include <cstdint>
#include <vector>
#include <QString>

#include "host/base/JaarNr.h"
#include "host/brlib/Res.h"
#include "reservation/ResGegevens.h"

namespace bord {

struct RegistratieResultaat {
    // The board leaves the new-reservation mode and re-reads (also when a room
    // turned out to be taken on disk: the board's view is stale then).
    bool gedaan = false;
    // The reservations were stored; the fields below are filled only then.
    bool opgeslagen = false;
    std::vector<JaarNr> reserveringen;  // in line order when each line got its own
    int32_t groepNr = 0;                // 0: no group was made
    int32_t updateCount = 0;            // keep as the board's own last update count
};

// Stores `regels` (the board's new lines, all with the same period) with the
// gathered details: one reservation holding every line, or, when `meerdere`,
// one reservation per line bound in a new group (no group for a single line).
// `titel` (the form's caption) titles the messages, which are shown only after
// the lock is free again:
//  - lock not obtained: no message, not done, nothing written;
//  - a room taken on disk meanwhile: an error, done, nothing written;
//  - a disk error or damaged file: an error, not done, nothing written.
RegistratieResultaat Registreer(const std::vector<brlib::stRes>& regels, const ResGegevens& gegevens, bool meerdere,
                                const QString& titel);

}  // namespace bord
