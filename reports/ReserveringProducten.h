#pragma once
// The product lines a reservation document lists: while the products are only
// booked, the booked lines; once registered at the till, what was settled on
// the registration followed by what is still open on its bill at the till
// server (left out when the server cannot be reached).

#include <vector>

#include "host/brlib/RsvReservering.h"
#include "host/tillra/BonRegel.h"

std::vector<Tillra::t_BonRegel> ReserveringProducten(const brlib::RsvReservering& res);
