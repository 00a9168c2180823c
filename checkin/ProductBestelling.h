#pragma once
// The products booked with a reservation, ordered at the till on the
// registration of its first check-in.

#include <vector>

#include "host/base/JaarNr.h"
#include "host/brlib/RsvReservering.h"
#include "host/tillra/BonRegel.h"

namespace incheck {

// Places them as an order on `registratie` at the till server. Runs after the
// check-in is committed: the server stores the order under the same locks and
// must find the registration on disk. Whether the server took it is not
// examined; the bill at the till shows it.
void BestelProducten(const brlib::RsvReservering& res, const JaarNr& registratie);

}  // namespace incheck
