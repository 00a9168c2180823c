#pragma once
// Makes the writes of one action durable, all or nothing (see Journal.h):
//   1. the action's changed bytes are appended to the journal, which is synced
//      (its folder too, the first time): the commit point;
//   2. the changed pages are written to the data files, without a sync, and
//      the entry is marked applied;
//   3. every so many actions, and at every action on a share, the files the
//      journal wrote are synced together and the journal starts over.
// A crash before 1 completes leaves an incomplete entry and untouched data; a
// crash after it leaves an entry that the next lock holder writes again.
// When 1 fails nothing was written. When 2 fails the files are restored and
// synced and the entry is voided before EBrRuntime is thrown; when even that
// fails the action counts as stored, since the next lock holder finishes it. A failing
// checkpoint is tried again at the next action: the journal still holds it all.

#include <memory>
#include <vector>
#include <QString>

#include "host/records/FileOverlay.h"
#include "host/records/Journal.h"

namespace brlib {

void CommitAction(FileSystem& fs, const QString& adminDir, const std::vector<std::unique_ptr<FileOverlay>>& overlays,
                  JournalState& journal);

}  // namespace brlib
