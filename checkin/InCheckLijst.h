#pragma once
// What the check-in list does with one reservation, apart from showing it:
// reading it, guarding against changes made on other workstations, and
// checking rooms out, back in, or cancelling their check-in. Every message
// goes through the host's message service with the list's caption as title;
// after a change the reservation is read again and `getoond` shows it.
//
// Room arguments are indexes into Reservering().kamerRegels.

#include <functional>
#include <vector>
#include <QString>

#include "host/brlib/RsvReservering.h"

namespace incheck {

class InCheckLijst {
public:
    InCheckLijst(QString titel, std::function<void()> getoond);

    const brlib::RsvReservering& Reservering() const { return res_; }
    brlib::RsvReservering& Reservering() { return res_; }
    bool IsKamer(int kamer) const { return kamer >= 0 && kamer < int(res_.kamerRegels.size()); }

    // Reads the reservation with its rooms, check-ins and persons, and the
    // room type texts. False (after an error message) when it cannot be read.
    bool LeesReservering(const JaarNr& sleutel);
    // LeesReservering of the current key, then `getoond`.
    void Verversen();

    // True (after a warning and Verversen) when the reservation was changed on another workstation.
    bool ControleerGewijzigd();
    // True (after a warning) when the room line was moved to another room.
    bool MeldVerplaatst(int kamer);

    // After the room check-in dialog closed with `modalResultaat`.
    void NaInChecken(int modalResultaat);
    // "Kamer uitchecken": check the room out, or set a checked-out room back.
    void KamerUitchecken(int kamer);
    // "Alles uitchecken": `rijKamers` is the room of every grid row, in row order.
    void AllesUitchecken(const std::vector<int>& rijKamers);
    // "Incheck annuleren".
    void AnnuleerIncheck(int kamer);

private:
    bool RegistreerUitcheck(const brlib::stRes& kamer, bool uitgecheckt, bool& afgehandeld);
    int UitcheckenInActie(const std::vector<int>& rijKamers, QStringList& fouten);
    void MeldOpslagFout(const QString& reden);

    QString titel_;
    std::function<void()> getoond_;
    brlib::RsvReservering res_;
};

}  // namespace incheck
