#pragma once
// The room list of the new-reservation window: which rooms a room-type choice
// shows and how a room's type reads.

#include <cstdint>
#include <vector>
#include <QString>

#include "host/brlib/Kamer.h"
#include "host/brlib/KamerType.h"

namespace invres {

// The code of the room's type, or "(GEEN TYPE)" for a room without one.
QString KamerTypeTekst(const brlib::stKamer& kamer);
// The type number behind item `index` of the type combo: item 0 is "(ALLE)"
// (0, every room), item i the type i-1 of the list.
int32_t TypeFilter(const std::vector<brlib::stKamerType>& types, int index);
// The rooms of type `typeNr` in list order; every room for 0.
std::vector<const brlib::stKamer*> KamersVanType(const std::vector<brlib::stKamer>& kamers, int32_t typeNr);

}  // namespace invres
