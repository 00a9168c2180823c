#pragma once
// New reservation lines for the demo and stress bookings, composed as the
// board composes them, and their booking through the board's registration.

#include <vector>

#include "board/Registratie.h"
#include "host/brlib/Kamer.h"
#include "host/brlib/Res.h"

// A new line for the room and period; `prijzen` fills price, amount and tariff
// texts from the room type's rates (a period without rates stays unpriced).
brlib::stRes DemoRegel(const brlib::stKamer& kamer, TDateTime begin, TDateTime eind, bool prijzen = true);

// Details naming the guest; `soort` 0 reservation, 1 option, 2 blockade.
ResGegevens DemoGast(const QString& naam, int soort = 0);
