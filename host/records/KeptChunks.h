#pragma once
// Committed bytes of record files in 64 KiB chunks. A cache outside the lock
// holds its own; inside the lock every cache of a workstation shares the
// workstation's, which it keeps from one action to the next: they were read
// under the lock or written by its own commit, so they stay the disk's bytes
// until another workstation commits (every commit raises the update count) or
// somebody changes the file outside the record layer (a copy put back by
// hand: its stamp then differs).

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>
#include <QString>

#include "host/records/FileOverlay.h"

namespace brlib {

struct ChunkSet {
    static constexpr int64_t kChunkSize = 64 * 1024;

    int64_t diskSize = -1;  // not asked yet
    FileStamp stamp;
    uint64_t lastAction = 0;  // the last action that read or wrote the file
    std::vector<std::unique_ptr<char[]>> chunks;
};

class KeptChunks {
public:
    // The file's stamp, all zeros when it does not exist; 0 or -errno.
    static int Stamped(FileSystem& fs, const QString& path, FileStamp& stamp);

    // The file's chunks for the current action.
    ChunkSet& For(const QString& path);
    // The file's chunks when its size and stamp are known, else null.
    const ChunkSet* Known(const QString& path) const;
    void Clear() { files_.clear(); }
    int64_t Bytes() const;
    // Starts the next action: forgets the files whose stamp changed since they
    // were read or written, and those no recent action used (each costs a look
    // at the disk per action).
    void BeginAction(FileSystem& fs);
    // Lays the committed writes of an action over the chunks of their file.
    void Apply(FileSystem& fs, const FileOverlay& overlay);

private:
    std::unordered_map<QString, ChunkSet> files_;
    uint64_t action_ = 0;
};

}  // namespace brlib
