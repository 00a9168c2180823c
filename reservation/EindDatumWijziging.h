#pragma once
// A new end date for a stored reservation (edit mode of the details form):
// whether it may be asked, and the room lines priced for it. Without widgets.

#include <optional>
#include <vector>
#include <QString>

#include "host/brlib/Kamer.h"
#include "host/brlib/RsvReservering.h"

// Nothing when `nieuwEind` is accepted, else the warning for the user: not
// after the begin (after a part-way move, the latest begin of the rooms that
// stayed), a room taken on disk in the extension, or more nights than 49
// counted from the reservation's own begin. Reads the day chains; no lock.
std::optional<QString> WeigerEindDatum(const brlib::RsvReservering& res, TDateTime nieuwEind);

// Gives every room line that stays on its room the new end date and its price
// and amount from its room's rates (`kamers`), and the reservation the new
// end date and the sum of the line amounts. A line moved to another room keeps
// its dates and amount. False when a room's rates are missing for the period:
// the lines after it are left as they were.
bool PrijsVoorEindDatum(brlib::RsvReservering& res, TDateTime nieuwEind, const std::vector<brlib::stKamer>& kamers);
