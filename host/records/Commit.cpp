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

// The update count's overlay when the action changes bytes the journal holds a
// copy of: then its write, made after all other files are durable, is the
// commit point (see Journal.cpp, CommittedByUpdateCount).
const FileOverlay* CommitPoint(const std::vector<std::unique_ptr<FileOverlay>>& overlays, const QString& adminDir,
                               const std::vector<JournalFile>& journal)
{
    for (size_t i = 0; i < overlays.size(); ++i) {
        const FileOverlay& overlay = *overlays[i];
        if (overlay.Path() != adminDir + QLatin1Char('/') + UpdateCountFile())
            continue;
        for (const JournalRegion& region : journal[i].regions)
            for (int64_t at = 0; at < region.bytes.size(); ++at) {
                const int64_t offset = region.offset + at;
                if (overlay.Page(offset / FileOverlay::kPageSize)[offset % FileOverlay::kPageSize] != region.bytes.at(at))
                    return &overlay;
            }
    }
    return nullptr;
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

// A per-year file may need its year folder; a new folder needs its parent synced.
int MakeFolder(FileSystem& fs, const FileOverlay& overlay, const QString& adminDir)
{
    const QString dir = QFileInfo(overlay.Path()).path();
    if (overlay.Existed() || dir == adminDir)
        return 0;
    const bool fresh = !fs.Exists(dir);
    if (const int result = fs.MakeDir(dir); result < 0)
        return result;
    return fresh ? fs.SyncDir(adminDir) : 0;
}

// Writes the files, then syncs them together and the folders of new ones.
// On failure `failed` names the file.
int WriteFiles(FileSystem& fs, const QString& adminDir, const std::vector<const FileOverlay*>& files, QString& failed)
{
    std::vector<int> handles;
    int result = 0;
    for (const FileOverlay* overlay : files) {
        failed = overlay->Path();
        result = MakeFolder(fs, *overlay, adminDir);
        const int handle = result == 0 ? fs.Open(overlay->Path(), FileSystem::Mode::Create) : result;
        if (handle < 0) {
            result = handle;
            break;
        }
        handles.push_back(handle);
        if (result = WritePages(fs, handle, *overlay); result < 0)
            break;
    }
    if (result == 0)
        failed = adminDir;
    if (result == 0)
        result = fs.SyncAll(handles);
    for (const int handle : handles)
        fs.Close(handle);
    for (size_t i = 0; result == 0 && i < files.size(); ++i)
        if (!files[i]->Existed())
            result = fs.SyncDir(QFileInfo(files[i]->Path()).path());
    return result;
}

void WriteData(FileSystem& fs, const QString& adminDir, const std::vector<const FileOverlay*>& files)
{
    QString failed;
    if (const int result = WriteFiles(fs, adminDir, files, failed); result < 0) {
        RollBackJournal(fs, adminDir, RollBack::Always);
        ThrowIoError(kNietOpgeslagen, failed, result, kLocation);
    }
}

}  // namespace

void CommitAction(FileSystem& fs, const QString& adminDir, const std::vector<std::unique_ptr<FileOverlay>>& overlays)
{
    if (overlays.empty())
        return;
    const std::vector<JournalFile> journal = WriteJournal(fs, adminDir, overlays);
    const FileOverlay* commitPoint = CommitPoint(overlays, adminDir, journal);
    std::vector<const FileOverlay*> files;
    for (const auto& overlay : overlays)
        if (overlay.get() != commitPoint)
            files.push_back(overlay.get());
    WriteData(fs, adminDir, files);
    if (commitPoint) {
        WriteData(fs, adminDir, {commitPoint});
        // Stored; a journal left behind is not hot any more (see Journal.h).
        ClearJournal(fs, adminDir, false);
        return;
    }
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
