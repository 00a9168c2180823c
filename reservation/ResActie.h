#pragma once
// One write action on stored reservations: the lock, the writes, the update
// count and the commit, with the user's message shown only after the lock is
// free again. The booking, the details form's save, cancel and group removal
// run this way; the board's moves, period and group changes run on its core.

#include <cstdint>
#include <functional>
#include <optional>
#include <QString>

class ReserveringSchrijver;

enum class ActieUitkomst {
    GeenSlot,   // the lock was not had: nothing written, no message
    Gedaan,     // written, the update count raised, committed
    Geweigerd,  // `schrijf` refused (its message shown): nothing written
    Fout,       // a disk error or a damaged chain (shown): nothing written
};

// `schrijf` writes through the writer and returns nothing, or refuses with the
// message for the user before it wrote anything. An error message starts with
// `foutKop` and gives the cause on the next line. Messages are titled `titel`.
// When done, `updateCount` (if given) gets the update count the action set.
// The core: `schrijf` writes through the writer and returns true to store, or
// false to drop the action before it wrote anything. Shows nothing; on Fout
// `fout` gets the record layer's message. When done, `updateCount` (if given)
// gets the update count the action set. What `schrijf` notes for the audit
// trail (logboek/LogboekActie.h) is written in the same action.
ActieUitkomst VoerActieUit(const std::function<bool(ReserveringSchrijver&)>& schrijf, QString& fout,
                           int32_t* updateCount = nullptr);

using ResSchrijfStap = std::function<std::optional<QString>(ReserveringSchrijver&)>;
ActieUitkomst VoerResActieUit(const ResSchrijfStap& schrijf, const QString& foutKop, const QString& titel,
                              int32_t* updateCount = nullptr);
