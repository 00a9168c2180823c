#pragma once
// What a commit puts back when it cannot write an action's data: every file's
// original bytes of the pages it was about to write, its size, and whether it
// existed. Kept in memory only: once the journal entry is on disk a crash
// finishes the action instead (see Journal.h).

#include <cstdint>
#include <vector>
#include <QString>

#include "host/records/FileSystem.h"
#include "host/records/Journal.h"

namespace brlib {

struct UndoFile {
    QString path;  // absolute
    bool existed = false;
    int64_t originalSize = 0;
    std::vector<JournalRegion> regions;
};

// Restores and syncs every file (removes the ones that did not exist). Throws
// EBrRuntime when it cannot.
void RestoreFiles(FileSystem& fs, const std::vector<UndoFile>& files);

}  // namespace brlib
