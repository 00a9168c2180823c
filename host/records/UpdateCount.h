#pragma once
// The administration's update count: a small file ("rsv.upd") that writers
// change under the reservation lock so that other workstations notice changes.

#include <cstdint>

namespace brlib {

// Reads the count without a lock (0 for a new administration).
int32_t RsvGetUpdateCount();
// Raises the count by one inside the open action and returns the new value.
// Throws EBrRuntime without the reservation lock.
int32_t RsvChangeUpdateCount();

}  // namespace brlib
