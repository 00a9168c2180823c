#include "host/records/KeptChunks.h"

#include <cerrno>
#include <cstring>
#include <iterator>

namespace brlib {

static_assert(ChunkSet::kChunkSize % FileOverlay::kPageSize == 0, "a written page lies in one chunk");

namespace {
constexpr uint64_t kRecentActions = 8;
}

int64_t KeptChunks::Bytes() const
{
    int64_t bytes = 0;
    for (const auto& [path, set] : files_)
        for (const auto& chunk : set.chunks)
            bytes += chunk ? ChunkSet::kChunkSize : 0;
    return bytes;
}

int KeptChunks::Stamped(FileSystem& fs, const QString& path, FileStamp& stamp)
{
    const int result = fs.Stamp(path, stamp);
    if (result == -ENOENT)
        stamp = FileStamp{};
    return result == -ENOENT ? 0 : result;
}

const ChunkSet* KeptChunks::Known(const QString& path) const
{
    auto it = files_.find(path);
    return it == files_.end() || it->second.diskSize < 0 ? nullptr : &it->second;
}

ChunkSet& KeptChunks::For(const QString& path)
{
    ChunkSet& set = files_[path];
    set.lastAction = action_;
    return set;
}

void KeptChunks::BeginAction(FileSystem& fs)
{
    ++action_;
    for (auto it = files_.begin(); it != files_.end();) {
        FileStamp now;
        const bool keep = it->second.lastAction + kRecentActions >= action_ && Stamped(fs, it->first, now) == 0
                          && now == it->second.stamp;
        it = keep ? std::next(it) : files_.erase(it);
    }
}

void KeptChunks::Apply(FileSystem& fs, const FileOverlay& overlay)
{
    auto it = files_.find(overlay.Path());
    if (it == files_.end() || it->second.diskSize < 0)
        return;
    ChunkSet& set = it->second;
    // Pages hold zeros past the new end, as a chunk does past the disk's.
    for (const auto& [page, bytes] : overlay.Pages()) {
        const int64_t offset = page * FileOverlay::kPageSize;
        const size_t index = size_t(offset / ChunkSet::kChunkSize);
        if (index < set.chunks.size() && set.chunks[index])
            std::memcpy(set.chunks[index].get() + offset % ChunkSet::kChunkSize, bytes.data(), FileOverlay::kPageSize);
    }
    set.diskSize = overlay.Size();
    if (Stamped(fs, overlay.Path(), set.stamp) < 0)
        files_.erase(it);
}

}  // namespace brlib
