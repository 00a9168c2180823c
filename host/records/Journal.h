#pragma once
// The write-ahead journal "rsv.journal": every action's new bytes, made durable
// with one sync before any data file is touched. That sync is the action's
// commit point; the data files are written after it without waiting, and are
// synced together only every so many actions (a checkpoint), after which the
// journal starts over. Until then the journal holds what the disk may still
// lack, so the next lock holder writes an action again when
//  - its writer died before it had written all data (no "applied" mark), or
//  - the machine that keeps the files restarted since it was written (its
//    unsynced writes may be lost: the boot it names is not the current one).
// Files on a share (no boot to compare) are checkpointed at every action.
//
// Layout (little-endian). Header: "RSVJRNL2", u64 generation. Then entries,
// each:
//   u64 generation, u32 length of the entry, 16 bytes boot of the writer,
//   u32 file count, per file: u32 path length, path (UTF-8, relative to the
//   administration), u8 existed before, i64 size after, u32 region count,
//   per region: i64 offset, u32 length, bytes;
//   u64 FNV-1a checksum of the entry so far, "COMPLETE", then an 8-byte slot
//   that reads "APPLIED!" once the writer wrote the data.
// The entries run until the first that is short, damaged, lacks "COMPLETE" or
// has another generation: a new generation (random, never 0) starts the journal
// over without clearing it, and a failed commit zeroes its entry's generation.

#include <cstdint>
#include <set>
#include <vector>
#include <QByteArray>
#include <QString>

#include "host/records/FileSystem.h"

namespace brlib {

struct JournalRegion {
    int64_t offset = 0;
    QByteArray bytes;
};

// One file's part of an action: the bytes it changed.
struct JournalFile {
    QString path;  // relative to the administration directory
    bool existed = false;
    int64_t size = 0;
    std::vector<JournalRegion> regions;
};

struct JournalEntry {
    QByteArray boot;
    bool applied = false;
    std::vector<JournalFile> files;
};

// Where the next entry goes and what the journal holds since its last checkpoint.
struct JournalState {
    bool exists = false;        // the file and its folder entry are on disk
    bool headerWritten = false; // the header of `generation` is on disk
    QByteArray boot;            // the files' machine's boot at the lock (Journal.h)
    uint64_t generation = 0;
    int64_t end = 0;            // where the next entry starts
    int entries = 0;
    std::set<QString> files;    // relative paths the entries wrote
    std::set<QString> created;  // of those, the ones that did not exist before
};

// Adds the files `entry` wrote to `state` (its entry count aside).
void NoteEntryFiles(JournalState& state, const JournalEntry& entry);

QString JournalPath(const QString& adminDir);
// The update count's file, relative to the administration directory.
QString UpdateCountFile();

constexpr int64_t kJournalHeaderSize = 16;
QByteArray EncodeJournalHeader(uint64_t generation);
// An entry of `generation`, its applied slot still empty; `appliedAt` receives
// the slot's offset within the entry.
QByteArray EncodeJournalEntry(uint64_t generation, const JournalEntry& entry, int64_t* appliedAt = nullptr);
QByteArray AppliedMark();

// The entries of a journal's bytes and where the next one would go. Entries
// read as applied and of `trusted` boot are not checksummed again.
struct DecodedJournal {
    bool header = false;
    uint64_t generation = 0;
    int64_t end = kJournalHeaderSize;
    std::vector<JournalEntry> entries;
};
DecodedJournal DecodeJournal(const QByteArray& bytes, const QByteArray& trusted = {});
// How much of the journal file must be read for the decoding to go on past
// `journal.end` (the bytes may end inside an entry), or 0.
int64_t JournalBytesWanted(const QByteArray& bytes, const DecodedJournal& journal);

// Takes the journal up at the start of an action: writes again what the disk
// may lack (then checkpoints) and fills `state`. True when it wrote. Throws
// EBrRuntime when it cannot.
bool RecoverJournal(FileSystem& fs, const QString& adminDir, JournalState& state);
// True when RecoverJournal would write.
bool HotJournal(FileSystem& fs, const QString& adminDir);
// The files the entries that RecoverJournal would write again name.
std::vector<QString> HotJournalFiles(FileSystem& fs, const QString& adminDir);
// Makes every file the journal wrote durable and starts it over. A negative
// error when a sync fails (the journal then stays as it is).
int CheckpointJournal(FileSystem& fs, const QString& adminDir, JournalState& state);

}  // namespace brlib
