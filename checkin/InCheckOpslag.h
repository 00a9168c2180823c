#pragma once
// Storing the check-in of one room: a new numbered check-in record (with a
// till registration) or the edit of an existing one, the persons chained under
// it with their values as text lists, and the room line's link to it.

#include <vector>
#include <QString>

#include "host/brlib/RsvReservering.h"

namespace incheck {

enum class InCheckUitkomst {
    Opgeslagen,
    GeenSlot,   // the reservation lock was not free; nothing written
    Gewijzigd,  // the header changed on another workstation; nothing written
};

struct InCheckOpdracht {
    int kamer = 0;                        // index into the reservation's room lines
    std::vector<brlib::stPersoon> personen;
    bool registreerProducten = false;     // at a first check-in: order the booked products
};

// One action under the reservation lock, after comparing the header's change
// counter with `res.wijzigTeller`. A first check-in gets number RecordCount + 1
// of its year and a till registration; with `registreerProducten` the header's
// products flag becomes 2. On success the room line in `res` holds the check-in
// and its persons (with their record numbers), and `res.wijzigTeller` follows
// the header. A disk error or damaged file raises EBrRuntime, nothing written.
InCheckUitkomst InCheckOpslaan(brlib::RsvReservering& res, const InCheckOpdracht& opdracht);

}  // namespace incheck
