#pragma once
// Every write of the record layer to a file on disk (journal and data) passes
// here. With RSV_CRASH_AFTER_WRITES=k in the environment the process kills
// itself with SIGKILL right after its k-th write, so that crash tests can stop
// a writer at every point of a commit. Unset, it only writes.

#include <cstdint>

#include "host/records/FileSystem.h"

namespace brlib {

int PhysicalWrite(FileSystem& fs, int handle, int64_t offset, const void* data, int64_t length);
// Opens (creating) `path`, writes `bytes` at `offset`, syncs when asked, closes.
int PhysicalWriteAt(FileSystem& fs, const QString& path, int64_t offset, const QByteArray& bytes, bool sync);

// Ends the process at once, as a power cut would (defined with the platform calls).
[[noreturn]] void KillThisProcess();

}  // namespace brlib
