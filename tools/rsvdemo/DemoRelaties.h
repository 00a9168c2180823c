#pragma once
// The demo's relation cards: a few dozen debtors in the administration's
// relation file, some of them the guests of the demo bookings.

#include <cstdint>

#include "reservation/ResGegevens.h"

bool MaakDemoRelaties();
// The booking details of relation card `kaartNr`: its number and the guest
// rows copied from the card, as "Selecteer debiteur" does.
ResGegevens DemoRelatieGast(int32_t kaartNr, int soort = 0);
