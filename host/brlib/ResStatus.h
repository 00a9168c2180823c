#pragma once
// The state of a reservation as its header's first word keeps it, its Dutch
// description, and how many reservations a year holds.

#include <cstdint>
#include <QString>

namespace brlib {

// One signed byte in memory; the header stores it as a word. Cancelled is 99,
// which is the character 'c'.
enum e_ResStatus : int8_t {
    rsOpenstaand = 0,    // not every room checked in
    rsIngechecked = 1,   // every room checked in
    rsUitgechecked = 2,  // every room checked out
    rsGeannuleerd = 'c',
};

// "Openstaand", "Ingechecked", "Uitgechecked", "Geannuleerd"; "Onbekend" for any other value.
QString RsvGetStatusOmschr(int status);

// The reservations of the year are numbered 1 to this count; 0 when the year has none.
int32_t GetReserveringCount(int jaar);

}  // namespace brlib
