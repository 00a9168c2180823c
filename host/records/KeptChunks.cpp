#include "host/records/KeptChunks.h"

#include <cstring>

namespace brlib {

static_assert(ChunkSet::kChunkSize % FileOverlay::kPageSize == 0, "a written page lies in one chunk");

int64_t KeptChunks::Bytes() const
{
    int64_t bytes = 0;
    for (const auto& [path, set] : files_)
        for (const auto& chunk : set.chunks)
            bytes += chunk ? ChunkSet::kChunkSize : 0;
    return bytes;
}

void KeptChunks::Apply(const FileOverlay& overlay)
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
}

}  // namespace brlib
