#pragma once
// Cancelling the check-in of a room: the room is no longer checked in; the
// check-in record stays, marked cancelled, with its persons, and the till
// registration is left alone.

#include <cstdint>

#include "host/base/JaarNr.h"

namespace incheck {

enum class Annulering { Gedaan, GeenSlot, Gewijzigd };

// One action under the reservation lock: the check-in `inCheck` is marked
// cancelled, its line loses it, and the header (change counter + 1) gets its
// products flag back from 2 to 1 when this check-in registered the products.
// Gewijzigd, writing nothing, when the header's change counter is no longer
// `wijzigTeller`. A disk error or damaged file raises EBrRuntime, nothing written.
Annulering IncheckAnnuleren(const JaarNr& inCheck, const JaarNr& reservering, int32_t wijzigTeller);

}  // namespace incheck
