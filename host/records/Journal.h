#pragma once
// The rollback journal of an action: for every file the action changes, whether
// it existed, its size and the original bytes of every region about to be
// overwritten. It is written and synced before any data is touched and removed
// once the data is synced. Whoever takes the reservation lock next and finds it
// ("hot") puts the original bytes back.
//
// Layout (little-endian), one file "rsv.journal" in the administration that
// stays there (so a commit needs no directory sync) and is overwritten by each
// commit; bytes past the journal's length are left-overs of a longer one:
//   "RSVJRNL1"  i64 length of the journal  u32 file count
//   per file:   u32 path length, path (UTF-8, relative to the administration),
//               u8 existed, i64 original size, u32 region count,
//               per region: i64 offset, u32 length, bytes
//   u64 FNV-1a checksum of everything before it, "COMPLETE"
// A journal that is short, damaged or lacks the marker was never synced, so no
// data was written after it: it is ignored. A finished commit or rollback
// clears the magic. When the action raised an existing update count, the count
// on disk tells whether it completed (see Commit.h), so that clearing needs no
// sync; otherwise it is synced: a clearing lost to a power failure would let
// the next lock holder undo an action the user was told was stored.

#include <cstdint>
#include <vector>
#include <QByteArray>
#include <QString>

#include "host/records/FileSystem.h"

namespace brlib {

struct JournalRegion {
    int64_t offset = 0;
    QByteArray bytes;
};

struct JournalFile {
    QString path;  // relative to the administration directory
    bool existed = false;
    int64_t originalSize = 0;
    std::vector<JournalRegion> regions;
};

QString JournalPath(const QString& adminDir);
// The update count's file, relative to the administration directory.
QString UpdateCountFile();
QByteArray EncodeJournal(const std::vector<JournalFile>& files);
// Whether 8 bytes are the start of a journal (not a cleared one).
bool StartsWithJournalMagic(const char* head);
// False when the bytes are not a complete, intact journal.
bool DecodeJournal(const QByteArray& bytes, std::vector<JournalFile>& files);

// UnlessCommitted: what the next lock holder does, it keeps an action whose
// update count reached the disk. Always: a commit that failed undoes itself.
enum class RollBack { UnlessCommitted, Always };

// Restores the files of a hot journal and clears it; does nothing without one.
// True when it restored files. Throws EBrRuntime (the journal stays hot) when
// the files cannot be restored.
bool RollBackJournal(FileSystem& fs, const QString& adminDir, RollBack when = RollBack::UnlessCommitted);
// Restores `files` (the journal as it was written) and clears the journal: for a
// commit whose clearing failed after it may have cleared the journal on disk.
void RollBackFiles(FileSystem& fs, const QString& adminDir, const std::vector<JournalFile>& files);
// Marks the journal as done (not hot); durably when `sync`.
int ClearJournal(FileSystem& fs, const QString& adminDir, bool sync = true);
// True when the administration holds a journal that would be rolled back.
bool HotJournal(FileSystem& fs, const QString& adminDir);

}  // namespace brlib
