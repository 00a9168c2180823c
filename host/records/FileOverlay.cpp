#include "host/records/FileOverlay.h"

#include <algorithm>
#include <cstring>

#include "host/base/EBrRuntime.h"
#include "host/records/KeptChunks.h"

namespace brlib {

FileOverlay::FileOverlay(FileSystem& fs, QString path, const ChunkSet* committed)
    : fs_(fs), path_(std::move(path)), committed_(committed)
{
    if (committed_) {
        existed_ = committed_->stamp != FileStamp{};
        originalSize_ = size_ = committed_->diskSize;
        return;
    }
    const int handle = fs_.Open(path_, FileSystem::Mode::Read);
    if (handle < 0)
        return;
    handle_ = handle;
    existed_ = true;
    const int64_t size = fs_.Size(handle_);
    originalSize_ = size_ = std::max<int64_t>(size, 0);
}

FileOverlay::~FileOverlay()
{
    if (handle_ >= 0)
        fs_.Close(handle_);
}

void FileOverlay::ReadFile(int64_t offset, char* buffer, int64_t length) const
{
    if (handle_ < 0)
        handle_ = fs_.Open(path_, FileSystem::Mode::Read);
    const int64_t n = handle_ < 0 ? handle_ : fs_.Read(handle_, offset, buffer, length);
    if (n < 0)
        throw EBrRuntime(QStringLiteral("Kan bestand %1 niet lezen: %2").arg(path_, FoutTekst(int(n))),
                         QStringLiteral("FileOverlay::ReadOriginal"));
}

void FileOverlay::ReadOriginal(int64_t offset, char* buffer, int64_t length) const
{
    std::memset(buffer, 0, length);
    int64_t available = std::min(length, originalSize_ - offset);
    if (!existed_ || available <= 0)
        return;
    if (!committed_)
        return ReadFile(offset, buffer, available);
    while (available > 0) {
        const size_t index = size_t(offset / ChunkSet::kChunkSize);
        const int64_t inChunk = offset % ChunkSet::kChunkSize;
        const int64_t n = std::min(available, ChunkSet::kChunkSize - inChunk);
        if (index < committed_->chunks.size() && committed_->chunks[index])
            std::memcpy(buffer, committed_->chunks[index].get() + inChunk, n);
        else
            ReadFile(offset, buffer, n);
        offset += n;
        buffer += n;
        available -= n;
    }
}

std::vector<char>& FileOverlay::PageForWrite(int64_t page)
{
    auto it = pages_.find(page);
    if (it != pages_.end())
        return it->second;
    std::vector<char> bytes(kPageSize);
    ReadOriginal(page * kPageSize, bytes.data(), kPageSize);
    return pages_.emplace(page, std::move(bytes)).first->second;
}

void FileOverlay::Write(int64_t offset, const void* data, int64_t length)
{
    const char* from = static_cast<const char*>(data);
    for (int64_t pos = offset; pos < offset + length;) {
        const int64_t page = pos / kPageSize;
        const int64_t inPage = pos - page * kPageSize;
        const int64_t n = std::min(kPageSize - inPage, offset + length - pos);
        std::memcpy(PageForWrite(page).data() + inPage, from + (pos - offset), n);
        pos += n;
    }
    size_ = std::max(size_, offset + length);
}

const char* FileOverlay::Page(int64_t page) const
{
    auto it = pages_.find(page);
    return it == pages_.end() ? nullptr : it->second.data();
}

}  // namespace brlib
