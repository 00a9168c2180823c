#pragma once
// One workstation of the stress run: random bookings through the board's
// registration, mixed with random moves, period shifts and group changes,
// other end dates and cancellations of stored reservations, and check-ins and
// check-outs, as a child process of `rsvdemo stress`.

#include <cstdint>
#include <functional>

struct StressTelling {
    int opgeslagen = 0;  // registrations stored
    int bezet = 0;       // refused: a room was taken or the reservation changed meanwhile
    int geenLock = 0;    // refused: the lock stayed with another workstation
    int fouten = 0;      // any other error message
    int gewijzigd = 0;   // moves, period and group changes, end dates changed and bookings cancelled
    int ingecheckt = 0;  // rooms checked in
    int uitgecheckt = 0; // rooms checked out
};

// Tries `aantal` actions in the current administration, half of them bookings
// of random rooms (one, or a group of 2..4), 1..14 nights starting within three
// months from today, the other half moves, period shifts or group changes of
// stored reservations. After four in ten, one of its earlier bookings gets
// another end date (3 in 10 of those are cancelled instead); after each, a
// random room of this year is checked in, or out when it is in.
// `naBoeking` hears the number of actions tried so far and the counts after each one.
StressTelling BoekWillekeurig(int aantal, uint32_t zaad,
                              const std::function<void(int, const StressTelling&)>& naBoeking);
