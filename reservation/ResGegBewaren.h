#pragma once
// Saving the details of a stored reservation (edit mode of the details form),
// a unit without widgets: one action under the reservation lock that refuses
// when the reservation changed since the form read it.

#include <cstdint>
#include <vector>
#include <QString>

#include "host/brlib/Res.h"
#include "host/brlib/RsvReservering.h"
#include "reservation/ResActie.h"
#include "reservation/ResGegevens.h"

struct ResWijziging {
    JaarNr sleutel;
    int32_t wijzigTeller = 0;              // the header's change counter as the form read it
    ResGegevens gegevens;                  // the form's edits
    std::vector<brlib::stVoorReg> voorRegs;
    std::vector<brlib::stRes> regels;      // the room lines: persons from the rooms grid, and the
                                           // end date, price and amount for the end date now asked
    TDateTime eind = 0;                    // the reservation's end date as now asked
    double totaalBedrag = 0;               // the total for that end date
    bool productenBijKassa = false;        // the products are registered at a till: their state stays
    bool productenOpslaan = true;          // false: the form could not read them all (the till's bill);
                                           // the stored lines stay as they are
};

// The change that saves `gegevens` and `voorRegs` on the reservation as it was
// `gelezen`, with the room lines, end date and total of `geprijsd` (the same
// reservation priced for the end date now asked).
ResWijziging MaakWijziging(const brlib::RsvReservering& gelezen, const brlib::RsvReservering& geprijsd,
                           const ResGegevens& gegevens, const std::vector<brlib::stVoorReg>& voorRegs);

// Writes texts, product lines, relation, type, nationality, business/private, extras and the
// pre-registrations into the header (and the end date and total when the end
// date changed), raises its change counter, and rewrites the room lines when
// the type, a persons count or the end date changed: a line moved to another
// room keeps its end date, price and amount. Outcomes (see ResActie.h):
// Geweigerd when another workstation changed the reservation meanwhile, or
// booked a room of it in the days a later end date adds.
ActieUitkomst BewaarResWijziging(const ResWijziging& wijziging, const QString& titel);
