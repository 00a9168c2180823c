#pragma once
// A few weeks of bookings around `vandaag` in the demo hotel, so that the
// board shows bars of every kind: reservations, options, a blockade, one-night
// stays and changeovers, a group, checked-in and checked-out rooms and a
// pre-registered guest. Needs the hotel of MaakDemoHotel.

#include "host/base/TDateTime.h"

// False (after a Dutch message on stderr) when a booking was refused.
bool MaakDemoBoekingen(TDateTime vandaag);
