#include "host/records/Commit.h"

#include <algorithm>
#include <QFileInfo>

#include "host/base/EBrRuntime.h"
#include "host/records/IoError.h"
#include "host/records/Journal.h"
#include "host/records/PhysicalWrite.h"

namespace brlib {

namespace {

const QString kLocation = QStringLiteral("CommitAction");
const QString kNietOpgeslagen = QStringLiteral("De wijzigingen konden niet worden opgeslagen");

// Consecutive written pages, so that each run is one write.
struct PageRun {
    int64_t first = 0;
    int64_t count = 0;
};

std::vector<PageRun> Runs(const FileOverlay& overlay)
{
    std::vector<PageRun> runs;
    for (const auto& [page, bytes] : overlay.Pages()) {
        if (!runs.empty() && runs.back().first + runs.back().count == page)
            ++runs.back().count;
        else
            runs.push_back({page, 1});
    }
    return runs;
}

JournalFile JournalEntry(const FileOverlay& overlay, const QString& adminDir)
{
    JournalFile file;
    file.path = overlay.Path().mid(adminDir.size() + 1);
    file.existed = overlay.Existed();
    file.originalSize = overlay.OriginalSize();
    for (const PageRun& run : Runs(overlay)) {
        const int64_t begin = run.first * FileOverlay::kPageSize;
        const int64_t end = std::min(begin + run.count * FileOverlay::kPageSize, overlay.OriginalSize());
        if (end <= begin)
            continue;
        JournalRegion region{begin, QByteArray(end - begin, Qt::Uninitialized)};
        overlay.ReadOriginal(begin, region.bytes.data(), region.bytes.size());
        file.regions.push_back(std::move(region));
    }
    return file;
}

int WriteAndSync(FileSystem& fs, const QString& path, const QByteArray& bytes)
{
    const int handle = fs.Open(path, FileSystem::Mode::Create);
    if (handle < 0)
        return handle;
    int result = PhysicalWrite(fs, handle, 0, bytes.constData(), bytes.size());
    if (result == 0)
        result = fs.Sync(handle);
    fs.Close(handle);
    return result;
}

std::vector<JournalFile> WriteJournal(FileSystem& fs, const QString& adminDir,
                                      const std::vector<std::unique_ptr<FileOverlay>>& overlays)
{
    std::vector<JournalFile> files;
    for (const auto& overlay : overlays)
        files.push_back(JournalEntry(*overlay, adminDir));
    const QString path = JournalPath(adminDir);
    const bool fresh = !fs.Exists(path);
    int result = WriteAndSync(fs, path, EncodeJournal(files));
    if (result == 0 && fresh)
        result = fs.SyncDir(adminDir);
    if (result < 0) {
        ClearJournal(fs, adminDir);
        ThrowIoError(kNietOpgeslagen, path, result, kLocation);
    }
    return files;
}

int WritePages(FileSystem& fs, int handle, const FileOverlay& overlay)
{
    std::vector<char> buffer;
    for (const PageRun& run : Runs(overlay)) {
        const int64_t begin = run.first * FileOverlay::kPageSize;
        const int64_t end = std::min(begin + run.count * FileOverlay::kPageSize, overlay.Size());
        buffer.resize(end - begin);
        for (int64_t i = 0; i < run.count; ++i) {
            const int64_t from = i * FileOverlay::kPageSize;
            std::copy_n(overlay.Page(run.first + i), std::min(FileOverlay::kPageSize, end - begin - from), buffer.data() + from);
        }
        if (const int result = PhysicalWrite(fs, handle, begin, buffer.data(), end - begin); result < 0)
            return result;
    }
    return 0;
}

// A per-year file may need its year folder; a new file needs its folder synced.
int WriteDataFile(FileSystem& fs, const FileOverlay& overlay, const QString& adminDir)
{
    const QString dir = QFileInfo(overlay.Path()).path();
    if (!overlay.Existed() && dir != adminDir) {
        const bool fresh = !fs.Exists(dir);
        if (const int result = fs.MakeDir(dir); result < 0)
            return result;
        if (const int result = fresh ? fs.SyncDir(adminDir) : 0; result < 0)
            return result;
    }
    const int handle = fs.Open(overlay.Path(), FileSystem::Mode::Create);
    if (handle < 0)
        return handle;
    int result = WritePages(fs, handle, overlay);
    if (result == 0)
        result = fs.Sync(handle);
    fs.Close(handle);
    if (result == 0 && !overlay.Existed())
        result = fs.SyncDir(dir);
    return result;
}

void WriteData(FileSystem& fs, const QString& adminDir, const std::vector<std::unique_ptr<FileOverlay>>& overlays)
{
    for (const auto& overlay : overlays) {
        const int result = WriteDataFile(fs, *overlay, adminDir);
        if (result < 0) {
            RollBackJournal(fs, adminDir);
            ThrowIoError(kNietOpgeslagen, overlay->Path(), result, kLocation);
        }
    }
}

}  // namespace

void CommitAction(FileSystem& fs, const QString& adminDir, const std::vector<std::unique_ptr<FileOverlay>>& overlays)
{
    if (overlays.empty())
        return;
    const std::vector<JournalFile> journal = WriteJournal(fs, adminDir, overlays);
    WriteData(fs, adminDir, overlays);
    // A journal that stays hot would undo the action at the next lock anyway;
    // undo it now, so that everybody sees what the error says. The failed
    // clearing may have reached the disk already, so the journal on disk no
    // longer tells what to undo: the one in memory does.
    if (const int result = ClearJournal(fs, adminDir); result < 0) {
        RollBackFiles(fs, adminDir, journal);
        ThrowIoError(kNietOpgeslagen, JournalPath(adminDir), result, kLocation);
    }
}

}  // namespace brlib
