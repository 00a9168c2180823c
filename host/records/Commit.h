#pragma once
// Makes the writes of one action durable, all or nothing:
//   1. the journal (original bytes and sizes) is written and synced (its
//      directory too, the first time);
//   2. the changed pages are written, every data file (and new directory) synced;
//   3. the journal is cleared (see Journal.h for why that needs no sync).
// So a commit costs one sync per changed file plus one.
// A crash before 2 leaves an unsynced or incomplete journal and untouched data;
// a crash during 2 leaves a hot journal that the next lock holder rolls back.
// On a write error the files are restored at once and EBrRuntime is thrown.

#include <memory>
#include <vector>
#include <QString>

#include "host/records/FileOverlay.h"

namespace brlib {

void CommitAction(FileSystem& fs, const QString& adminDir, const std::vector<std::unique_ptr<FileOverlay>>& overlays);

}  // namespace brlib
