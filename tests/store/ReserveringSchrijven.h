#pragma once
// A realistic multi-record action for the store tests: one reservation with two
// room lines, written the way the planning board stores a booking. The caller
// holds the reservation lock. Returns the reservation number.

#include <cstdint>

#include "host/base/TDateTime.h"

int32_t SchrijfReservering(TDateTime begin, int32_t eersteKamer, int nachten = 3);
