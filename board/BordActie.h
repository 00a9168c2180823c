#pragma once
// Runs one change of stored reservations from the board as one action under
// the reservation lock: the step re-reads and checks what it changes, then
// writes through the shared writer; the update count is raised and the action
// committed only when the step stores. Messages are shown after the lock is
// free again, so that another workstation is not kept waiting on a dialog.

#include <functional>
#include <QString>

#include "host/ui/Messages.h"

class ReserveringSchrijver;

namespace bord {

enum class Afloop {
    Mislukt,     // lock not had, or the line is gone: nothing written, nothing said
    Gedaan,      // nothing to do, refused or a disk error (a message told why): nothing written
    Opgeslagen,  // stored and committed
};

struct StapUitkomst {
    Afloop afloop = Afloop::Opgeslagen;
    QString melding;                 // shown after the action when not empty
    MsgKind soort = MsgKind::Error;
    QString titel;                   // empty: the caller's title

    static StapUitkomst Mislukt()
    {
        StapUitkomst s;
        s.afloop = Afloop::Mislukt;
        return s;
    }
    static StapUitkomst Geweigerd(QString tekst, MsgKind soort = MsgKind::Error, QString titel = {})
    {
        return {Afloop::Gedaan, std::move(tekst), soort, std::move(titel)};
    }
};

using Schrijfstap = std::function<StapUitkomst(ReserveringSchrijver&)>;

// A damaged file or a full disk ends the action with an error titled `titel`.
Afloop VoerUit(const Schrijfstap& stap, const QString& titel);

}  // namespace bord
