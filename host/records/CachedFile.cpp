#include "host/records/CachedFile.h"

#include <algorithm>
#include <cstring>

#include "host/records/IoError.h"

namespace brlib {

namespace {
const QString kLocation = QStringLiteral("RecordCacheImpl");
const QString kNietLezen = QStringLiteral("Kan bestand niet lezen");
}

CachedFile::CachedFile(Werkstation& werkstation, QString path) : werkstation_(werkstation), path_(std::move(path)) {}

CachedFile::~CachedFile()
{
    if (handle_ >= 0)
        werkstation_.Fs().Close(handle_);
}

void CachedFile::OpenCommitted()
{
    if (handle_ >= 0)
        return;
    const int handle = werkstation_.Fs().Open(path_, FileSystem::Mode::Read);
    if (handle < 0 && handle != -ENOENT)
        ThrowIoError(kNietLezen, path_, handle, kLocation);
    handle_ = std::max(handle, -1);
}

void CachedFile::ReadDiskSize()
{
    OpenCommitted();
    set_->diskSize = handle_ >= 0 ? CheckIo(werkstation_.Fs().Size(handle_), kNietLezen, path_, kLocation) : 0;
}

// A kept file needs its stamp anyway, and the stamp holds the size.
void CachedFile::StampKept()
{
    if (const int result = KeptChunks::Stamped(werkstation_.Fs(), path_, set_->stamp); result < 0)
        ThrowIoError(kNietLezen, path_, result, kLocation);
    set_->diskSize = set_->stamp.size;
}

void CachedFile::Refresh()
{
    if (diskEpoch_ != werkstation_.DiskEpoch()) {
        // Reopen too: a failed commit may have removed the file this handle holds.
        if (handle_ >= 0)
            werkstation_.Fs().Close(handle_);
        handle_ = -1;
        own_ = ChunkSet{};
        ++drops_;
        set_ = werkstation_.ActionOpen() ? &werkstation_.Kept().For(path_) : &own_;
        if (set_ != &own_ && set_->diskSize < 0)
            StampKept();
        else if (set_->diskSize < 0)
            ReadDiskSize();
        diskEpoch_ = werkstation_.DiskEpoch();
    }
    if (overlayEpoch_ != werkstation_.OverlayEpoch()) {
        overlay_ = werkstation_.Overlay(path_);
        overlayEpoch_ = werkstation_.OverlayEpoch();
    }
}

int64_t CachedFile::Size(bool fresh)
{
    Refresh();
    if (overlay_)
        return overlay_->Size();
    // Under the action lock nobody else writes, and the lock itself moved the
    // epoch, so the size read since then is still the disk's.
    if (fresh && !werkstation_.ActionOpen()) {
        // A file that grew elsewhere keeps its cached chunks, but the last
        // partial chunk may lack the new bytes.
        const size_t whole = size_t(own_.diskSize / kChunkSize);
        if (own_.chunks.size() > whole) {
            own_.chunks.resize(whole);
            ++drops_;
        }
        ReadDiskSize();
    }
    return set_->diskSize;
}

const char* CachedFile::Chunk(int64_t index)
{
    std::vector<std::unique_ptr<char[]>>& chunks = set_->chunks;
    if (size_t(index) >= chunks.size())
        chunks.resize(index + 1);
    if (!chunks[index]) {
        // Filled by the read and the memset below; zeroing it first doubles the cost of a cold walk.
        auto chunk = std::make_unique_for_overwrite<char[]>(kChunkSize);
        const int64_t begin = index * kChunkSize;
        const int64_t wanted = std::clamp<int64_t>(set_->diskSize - begin, 0, kChunkSize);
        if (wanted > 0)
            OpenCommitted();
        const int64_t read = wanted > 0 ? werkstation_.Fs().Read(handle_, begin, chunk.get(), wanted) : 0;
        CheckIo(read, kNietLezen, path_, kLocation);
        std::memset(chunk.get() + read, 0, kChunkSize - read);
        chunks[index] = std::move(chunk);
    }
    return chunks[index].get();
}

void CachedFile::CopyCommitted(int64_t offset, int64_t length, char* to)
{
    while (length > 0) {
        const int64_t index = offset / kChunkSize;
        const int64_t inChunk = offset - index * kChunkSize;
        const int64_t n = std::min(length, kChunkSize - inChunk);
        std::memcpy(to, Chunk(index) + inChunk, n);
        offset += n;
        to += n;
        length -= n;
    }
}

bool CachedFile::OverlayTouches(int64_t offset, int64_t length) const
{
    if (!overlay_)
        return false;
    for (int64_t page = offset / FileOverlay::kPageSize; page <= (offset + length - 1) / FileOverlay::kPageSize; ++page) {
        if (overlay_->Page(page))
            return true;
    }
    return false;
}

void CachedFile::CopyOut(int64_t offset, int64_t length, char* to)
{
    Refresh();
    if (!OverlayTouches(offset, length))
        return CopyCommitted(offset, length, to);
    while (length > 0) {
        const int64_t page = offset / FileOverlay::kPageSize;
        const int64_t inPage = offset - page * FileOverlay::kPageSize;
        const int64_t n = std::min(length, FileOverlay::kPageSize - inPage);
        if (const char* written = overlay_->Page(page))
            std::memcpy(to, written + inPage, n);
        else
            CopyCommitted(offset, n, to);
        offset += n;
        to += n;
        length -= n;
    }
}

const char* CachedFile::Bytes(int64_t offset, int64_t length, std::vector<char>& scratch)
{
    Refresh();
    const int64_t index = offset / kChunkSize;
    if (!OverlayTouches(offset, length) && (offset + length - 1) / kChunkSize == index)
        return Chunk(index) + (offset - index * kChunkSize);
    scratch.resize(length);
    CopyOut(offset, length, scratch.data());
    return scratch.data();
}

CachedFile::Run CachedFile::RunAt(int64_t offset)
{
    Refresh();
    if (overlay_ || offset < 0 || offset >= set_->diskSize)
        return {};
    const int64_t index = offset / kChunkSize;
    const int64_t begin = index * kChunkSize;
    return {Chunk(index), begin, std::min(begin + kChunkSize, set_->diskSize), werkstation_.DiskEpoch(),
            werkstation_.OverlayEpoch(), drops_};
}

void CachedFile::Write(int64_t offset, const void* data, int64_t length)
{
    Refresh();
    werkstation_.OverlayForWrite(path_).Write(offset, data, length);
    Refresh();
}

}  // namespace brlib
