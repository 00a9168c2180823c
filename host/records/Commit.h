#pragma once
// Makes the writes of one action durable, all or nothing:
//   1. the journal (original bytes and sizes) is written and synced (its
//      directory too, the first time);
//   2. the changed pages of every file but the update count are written, then
//      synced together (all written back before waiting), and the folders of
//      new files;
//   3. the raised update count is written and synced: the commit point, since
//      the journal of an action whose count on disk differs from the journal's
//      copy is not rolled back;
//   4. the journal is cleared without a sync.
// An action that does not raise an existing count writes it in 2 and makes the
// synced clearing of 4 its commit point.
// A crash before 2 leaves an unsynced or incomplete journal and untouched data;
// a crash before the commit point leaves a hot journal that the next lock
// holder rolls back.
// On a write error the files are restored at once and EBrRuntime is thrown.

#include <memory>
#include <vector>
#include <QString>

#include "host/records/FileOverlay.h"

namespace brlib {

void CommitAction(FileSystem& fs, const QString& adminDir, const std::vector<std::unique_ptr<FileOverlay>>& overlays);

}  // namespace brlib
