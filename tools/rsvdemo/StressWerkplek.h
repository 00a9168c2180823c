#pragma once
// One workstation of the stress run: random bookings through the board's
// registration, and now and then another end date or a cancellation of one of
// its bookings through the details form's write paths, as a child process of
// `rsvdemo stress`.

#include <cstdint>

struct StressTelling {
    int opgeslagen = 0;  // registrations stored
    int bezet = 0;       // refused: a room was taken meanwhile
    int geenLock = 0;    // refused: the lock stayed with another workstation
    int fouten = 0;      // any other error message
    int gewijzigd = 0;   // end dates changed and bookings cancelled
};

// Tries `aantal` bookings in the current administration: random rooms (one, or
// a group of 2..4), 1..14 nights starting within three months from today;
// after four in ten of them one earlier booking gets another end date (3 in 10
// of those are cancelled instead).
StressTelling BoekWillekeurig(int aantal, uint32_t zaad);
