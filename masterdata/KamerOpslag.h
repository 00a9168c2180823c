#pragma once
// Rooms: the numbers the dialog works with, its rules, and the write and
// delete paths of rsv_kamer.dat. No widgets.

#include <cstdint>
#include <vector>
#include <QString>

#include "host/brlib/Kamer.h"
#include "masterdata/Afkeuring.h"

namespace kamer {
inline const QString kGeenTypes = QStringLiteral("Nog geen kamertypes gedefinieerd!");
}  // namespace kamer

enum class KamerVeld { KamerNr, KamerType };

// The numbers of all rooms but `eigenNr`, ascending: what the dialog checks against.
std::vector<int32_t> AndereKamerNrs(const std::vector<brlib::stKamer>& kamers, int32_t eigenNr);
// The number the dialog shows: the room's own, or for a new room (0) the
// highest other number + 1 (0 while there are no other rooms).
int32_t VoorgesteldKamerNr(int32_t eigenNr, const std::vector<int32_t>& andereNrs);

// The dialog's check on OK: a number, not taken by another room, and a type.
Controle<KamerVeld> ControleerKamer(int32_t kamerNr, const std::vector<int32_t>& andereNrs, int32_t kamerTypeNr);

QString VerwijderVraag(const brlib::stKamer& kamer);

// Write path with the stamp check (error "Registreren kamer"). On success the
// item holds its record number and new stamp.
bool SchrijfKamer(brlib::stKamer& kamer);
// Delete path: the stamp check, then the record is freed. Reservations of the
// room are not looked at.
bool VerwijderKamer(const brlib::stKamer& kamer);
