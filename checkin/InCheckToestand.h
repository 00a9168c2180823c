#pragma once
// The check-in state of a room line and the reservation status that follows
// from the states of all its rooms.

#include <vector>
#include <QString>

#include "host/brlib/Res.h"

namespace incheck {

inline bool IsIngecheckt(const brlib::stRes& kamer) { return !kamer.inCheck.sleutel.IsLeeg(); }
inline bool IsUitgecheckt(const brlib::stRes& kamer) { return IsIngecheckt(kamer) && kamer.inCheck.uitgecheckt; }
// The check-in opened a till registration.
inline bool IsGeregistreerd(const brlib::stRes& kamer) { return !kamer.inCheck.kassaRegistratie.IsLeeg(); }
inline bool IsVerplaatst(const brlib::stRes& kamer) { return kamer.verplaatstNaar > 0; }

// "dd-mm-yyyy (hh:nn)"; empty for no date.
QString DatumTijdTekst(TDateTime moment);

// "", "Ingechecked" or "Uitgechecked".
QString StatusTekst(const brlib::stRes& kamer);

// 99 stays 99; else 2 when every room is checked out (also without rooms),
// 1 when every room is checked in, otherwise 0.
int StatusVanKamers(const std::vector<brlib::stRes>& kamers, int huidigeStatus);

}  // namespace incheck
