#pragma once
// The administration the booking benchmarks run on: three years of dense
// bookings, every room booked back to back with stays of 1..7 nights, written
// through the registration itself, a month per action.

#include <cstdint>
#include <vector>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"

inline constexpr int kDrukkeKamers = 40;       // rooms 1..40 are full
inline constexpr int kEersteVrijeKamer = 1001;  // rooms from here on are free for the measured bookings

struct Verblijf {
    int32_t kamer;
    TDateTime begin;
    TDateTime eind;
};

// The stays of the generated years, in begin order; the same for every run.
std::vector<Verblijf> DrukkeVerblijven(int eersteJaar, int jaren);

// Books `verblijven` in the current administration; false when one was refused.
bool BoekVerblijven(const std::vector<Verblijf>& verblijven);

// A booking of `kamers` rooms from kEersteVrijeKamer + eersteKamer on, in a new
// group when there are several: the stored reservations, none when refused.
std::vector<JaarNr> BoekVrij(int eersteKamer, int kamers, TDateTime begin, int nachten);
