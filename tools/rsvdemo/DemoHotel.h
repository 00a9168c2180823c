#pragma once
// A small demo hotel written through the master-data write paths: rate types
// (per day, a weekend rate on Friday and Saturday, a week rate), three periods
// and three room types with rates for `jaar` and the next year, and 25 rooms.

#include <QString>

// Writes into the current administration; false (after a Dutch message on
// stderr) when a write path refused.
bool MaakDemoHotel(int jaar);
