#pragma once
// The fields of a checked-in person: their labels, the name the lists show,
// and where a new person's values come from (the room's pre-registration,
// the reservation's guest data, a relation card).

#include <functional>
#include <optional>
#include <QStringList>

#include "host/brlib/RsvReservering.h"

namespace incheck {

// The reservation's relation field labels, or the ten standard person fields.
QStringList PersoonLabels(const brlib::RsvReservering& res);
// "Naam, Voornaam" from the fields of those labels; the first value when there is no "Naam".
QString PersoonNaam(const brlib::stPersoon& persoon, const QStringList& labels);

// The reservation's guest values: its guest data lines, or its relation values when it has labels.
QStringList ReserveringWaarden(const brlib::RsvReservering& res);

// The first pre-registration for the room, if any.
std::optional<brlib::stVoorReg> VoorRegVanKamer(const std::vector<brlib::stVoorReg>& voorRegs, int32_t kamerNr);
// Some value is not blank.
bool HeeftWaarde(const QStringList& waarden);

// The ten rows filled from a relation card, `veld(n)` giving its field n: the
// name split at its first comma into surname and first names, then address,
// postcode, place, country, telephone and e-mail, and two empty rows.
QStringList RelatieRijen(const std::function<QString(int)>& veld);

}  // namespace incheck
