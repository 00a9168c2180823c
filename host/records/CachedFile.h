#pragma once
// One record file as one cache reads it: committed bytes in 64 KiB chunks read
// on first use (so a walk over records costs a system call per chunk, not per
// record), with the writes of the workstation's open action laid over them.
// Outside the lock the chunks are the cache's own and are dropped whenever the
// workstation's disk epoch moves on, so a cache never carries committed bytes
// from before a lock into an action; inside it they are the workstation's
// kept chunks (KeptChunks.h). The file is opened only to read what is missing.

#include <cstdint>
#include <vector>
#include <QString>

#include "host/records/Werkstation.h"

namespace brlib {

class CachedFile {
public:
    CachedFile(Werkstation& werkstation, QString path);
    ~CachedFile();
    CachedFile(const CachedFile&) = delete;
    CachedFile& operator=(const CachedFile&) = delete;

    const QString& Path() const { return path_; }
    // The size including the action's writes; `fresh` asks the disk again.
    int64_t Size(bool fresh);
    // A pointer to `length` bytes at `offset`, into a chunk when they lie in one
    // and the action did not touch them, else assembled in `scratch`.
    const char* Bytes(int64_t offset, int64_t length, std::vector<char>& scratch);
    void CopyOut(int64_t offset, int64_t length, char* to);
    void Write(int64_t offset, const void* data, int64_t length);

    // Committed bytes [begin, end) at `data`, straight from the chunk holding
    // an offset: a walk over records reads them without asking again for as
    // long as Holds(run). Empty where the action wrote to the file.
    struct Run {
        const char* data = nullptr;
        int64_t begin = 0;
        int64_t end = 0;
        uint64_t diskEpoch = 0;
        uint64_t overlayEpoch = 0;
        uint64_t drops = 0;
    };
    Run RunAt(int64_t offset);
    // No lock, commit or new overlay since, and the chunk was not dropped.
    bool Holds(const Run& run) const
    {
        return run.diskEpoch == werkstation_.DiskEpoch() && run.overlayEpoch == werkstation_.OverlayEpoch() &&
               run.drops == drops_;
    }

private:
    static constexpr int64_t kChunkSize = ChunkSet::kChunkSize;

    void Refresh();
    void OpenCommitted();
    void ReadDiskSize();
    void StampKept();
    const char* Chunk(int64_t index);
    void CopyCommitted(int64_t offset, int64_t length, char* to);
    bool OverlayTouches(int64_t offset, int64_t length) const;

    Werkstation& werkstation_;
    QString path_;
    int handle_ = -1;
    ChunkSet own_;
    ChunkSet* set_ = &own_;
    FileOverlay* overlay_ = nullptr;
    uint64_t diskEpoch_ = 0;
    uint64_t overlayEpoch_ = 0;
    uint64_t drops_ = 0;  // times chunks were dropped
};

}  // namespace brlib
