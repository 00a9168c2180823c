#pragma once
// The change stamp of a master-data record. A writer keeps the stamp it read
// and refuses to store when the record on disk holds another one.
//
// Rule: a new stamp is the number of seconds since 1 January 2020, but always
// at least the previous stamp + 1. So every write changes the stamp, even two
// writes within one second, and a record that is removed and later reused
// starts from the clock instead of from 1, so an old copy of the removed record
// does not match it by chance.

#include <cstdint>

namespace brlib {

int32_t NieuweStempel(int32_t vorige);

}  // namespace brlib
