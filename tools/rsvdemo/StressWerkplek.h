#pragma once
// One workstation of the stress run: random bookings through the board's
// registration, as a child process of `rsvdemo stress`.

#include <cstdint>

struct StressTelling {
    int opgeslagen = 0;  // registrations stored
    int bezet = 0;       // refused: a room was taken meanwhile
    int geenLock = 0;    // refused: the lock stayed with another workstation
    int fouten = 0;      // any other error message
    int ingecheckt = 0;  // rooms checked in
    int uitgecheckt = 0; // rooms checked out
};

// Tries `aantal` bookings in the current administration: random rooms (one, or
// a group of 2..4), 1..14 nights starting within three months from today.
// After each, a random room of this year is checked in, or out when it is in.
StressTelling BoekWillekeurig(int aantal, uint32_t zaad);
