#pragma once
// Putting reservation A into the group of reservation B (a unit without
// widgets): the question the board asks first, and the write.

#include <cstdint>
#include <QString>

#include "board/BordActie.h"
#include "host/base/JaarNr.h"

namespace bord {

inline const QString kGroepTitel = QStringLiteral("Groep toekennen/wijzigen");

struct GroepToekenning {
    JaarNr a;             // the reservation that changes group
    JaarNr b;             // a reservation of the target group
    int32_t groepA = 0;   // their groups as the question was based on them; 0 none
    int32_t groepB = 0;
};

// A already in B's group: the warning; otherwise empty.
QString GroepBezwaar(const GroepToekenning& t);
// The question that tells what will happen, ending in "Wilt u doorgaan?".
QString GroepVraag(const GroepToekenning& t);

// One action under the reservation lock. A leaves its old group and joins B's;
// when B has none, a new group is made for both (each with its member record,
// so that every grouped header has exactly one). Refusals are titled kGroepTitel
// or `titel`:
//  - lock not had: failed, nothing written;
//  - A already in B's group: done, nothing written;
//  - either group changed elsewhere since the question, disk error: an error,
//    done, nothing written.
Afloop RegistreerGroep(const GroepToekenning& t, const QString& titel);

}  // namespace bord
