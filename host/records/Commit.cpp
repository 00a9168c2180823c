#include "host/records/Commit.h"

#include <algorithm>
#include <QFileInfo>

#include "host/base/EBrRuntime.h"
#include "host/records/IoError.h"
#include "host/records/PhysicalWrite.h"
#include "host/records/Undo.h"

namespace brlib {

namespace {

const QString kLocation = QStringLiteral("CommitAction");
const QString kNietOpgeslagen = QStringLiteral("De wijzigingen konden niet worden opgeslagen");

// Beyond these the journal is checkpointed: they bound what a lock reads back.
constexpr int kEntriesPerCheckpoint = 16;
constexpr int64_t kJournalBytesPerCheckpoint = 1 << 20;
// Changed bytes closer together than this go into one region.
constexpr int64_t kRegionGap = 16;

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

// The run's bytes as the action leaves them, up to the file's new size.
QByteArray NewBytes(const FileOverlay& overlay, const PageRun& run)
{
    const int64_t begin = run.first * FileOverlay::kPageSize;
    const int64_t end = std::min(begin + run.count * FileOverlay::kPageSize, overlay.Size());
    QByteArray bytes(std::max<int64_t>(0, end - begin), Qt::Uninitialized);
    for (int64_t at = 0; at < bytes.size(); at += FileOverlay::kPageSize)
        std::copy_n(overlay.Page(run.first + at / FileOverlay::kPageSize),
                    std::min<int64_t>(FileOverlay::kPageSize, bytes.size() - at), bytes.data() + at);
    return bytes;
}

// The stretches where `now` differs from `before` (zeros past its end).
void AddChanges(int64_t begin, const QByteArray& before, const QByteArray& now, std::vector<JournalRegion>& regions)
{
    const char* nieuw = now.constData();
    const char* oud = before.constData();
    const auto differs = [&](int64_t i) { return nieuw[i] != (i < before.size() ? oud[i] : '\0'); };
    for (int64_t i = 0; i < now.size();) {
        if (!differs(i)) {
            ++i;
            continue;
        }
        int64_t end = i + 1;
        for (int64_t same = 0; end < now.size() && same < kRegionGap; ++end)
            same = differs(end) ? 0 : same + 1;
        while (end > i && !differs(end - 1))
            --end;
        regions.push_back({begin + i, now.mid(i, end - i)});
        i = end;
    }
}

struct Prepared {
    JournalEntry entry;
    std::vector<UndoFile> undo;
    std::vector<const FileOverlay*> files;  // those that change
};

Prepared Prepare(const QString& adminDir, const std::vector<std::unique_ptr<FileOverlay>>& overlays,
                 const QByteArray& boot)
{
    Prepared prepared;
    prepared.entry.boot = boot;
    for (const auto& overlay : overlays) {
        JournalFile redo{overlay->Path().mid(adminDir.size() + 1), overlay->Existed(), overlay->Size(), {}};
        UndoFile undo{overlay->Path(), overlay->Existed(), overlay->OriginalSize(), {}};
        for (const PageRun& run : Runs(*overlay)) {
            const int64_t begin = run.first * FileOverlay::kPageSize;
            const int64_t end = std::min(begin + run.count * FileOverlay::kPageSize, overlay->OriginalSize());
            QByteArray before(std::max<int64_t>(0, end - begin), Qt::Uninitialized);
            overlay->ReadOriginal(begin, before.data(), before.size());
            AddChanges(begin, before, NewBytes(*overlay, run), redo.regions);
            if (!before.isEmpty())
                undo.regions.push_back({begin, std::move(before)});
        }
        if (redo.regions.empty() && overlay->Existed() && overlay->Size() == overlay->OriginalSize())
            continue;
        prepared.entry.files.push_back(std::move(redo));
        prepared.undo.push_back(std::move(undo));
        prepared.files.push_back(overlay.get());
    }
    return prepared;
}

// A voided entry ends the journal before it.
int Void(FileSystem& fs, const QString& adminDir, int64_t at)
{
    return PhysicalWriteAt(fs, JournalPath(adminDir), at, QByteArray(8, '\0'), true);
}

// Writes and syncs the entry; returns where it starts.
int64_t AppendEntry(FileSystem& fs, const QString& adminDir, JournalState& journal, const QByteArray& entry)
{
    const QString path = JournalPath(adminDir);
    const QByteArray bytes = journal.headerWritten ? entry : EncodeJournalHeader(journal.generation) + entry;
    const int64_t at = journal.headerWritten ? journal.end : 0;
    int result = PhysicalWriteAt(fs, path, at, bytes, true);
    if (result == 0 && !journal.exists)
        result = fs.SyncDir(adminDir);
    if (result < 0) {
        Void(fs, adminDir, journal.end);
        ThrowIoError(kNietOpgeslagen, path, result, kLocation);
    }
    journal.exists = journal.headerWritten = true;
    return journal.end;
}

int WritePages(FileSystem& fs, int handle, const FileOverlay& overlay)
{
    for (const PageRun& run : Runs(overlay)) {
        const QByteArray bytes = NewBytes(overlay, run);
        if (const int result = PhysicalWrite(fs, handle, run.first * FileOverlay::kPageSize, bytes.constData(),
                                             bytes.size());
            result < 0)
            return result;
    }
    return 0;
}

// Writes one file's pages (its year folder first); no sync, see Commit.h.
int WriteFile(FileSystem& fs, const QString& adminDir, const FileOverlay& overlay)
{
    const QString dir = QFileInfo(overlay.Path()).path();
    if (!overlay.Existed() && dir != adminDir)
        if (const int result = fs.MakeDir(dir); result < 0)
            return result;
    const int handle = fs.Open(overlay.Path(), FileSystem::Mode::Create);
    if (handle < 0)
        return handle;
    const int result = WritePages(fs, handle, overlay);
    fs.Close(handle);
    return result;
}

// False when the data could not be written nor the action undone: the entry
// stays, and the next lock holder finishes the action (it is stored).
bool WriteData(FileSystem& fs, const QString& adminDir, const Prepared& prepared, int64_t entryAt)
{
    for (const FileOverlay* overlay : prepared.files) {
        const int result = WriteFile(fs, adminDir, *overlay);
        if (result == 0)
            continue;
        try {
            RestoreFiles(fs, prepared.undo);
            CheckIo(Void(fs, adminDir, entryAt), kNietOpgeslagen, JournalPath(adminDir), kLocation);
        } catch (const EBrRuntime&) {
            return false;
        }
        ThrowIoError(kNietOpgeslagen, overlay->Path(), result, kLocation);
    }
    return true;
}

bool CheckpointDue(const JournalState& journal)
{
    return journal.boot.isEmpty() || journal.entries >= kEntriesPerCheckpoint || journal.end >= kJournalBytesPerCheckpoint;
}

}  // namespace

void CommitAction(FileSystem& fs, const QString& adminDir, const std::vector<std::unique_ptr<FileOverlay>>& overlays,
                  JournalState& journal)
{
    const Prepared prepared = Prepare(adminDir, overlays, journal.boot);
    if (prepared.files.empty())
        return;
    int64_t appliedAt = 0;
    const QByteArray entry = EncodeJournalEntry(journal.generation, prepared.entry, &appliedAt);
    const int64_t entryAt = AppendEntry(fs, adminDir, journal, entry);
    // Without the mark the next lock holder writes the action again.
    const bool applied = WriteData(fs, adminDir, prepared, entryAt);
    if (applied)
        PhysicalWriteAt(fs, JournalPath(adminDir), entryAt + appliedAt, AppliedMark(), false);
    journal.end = entryAt + entry.size();
    ++journal.entries;
    NoteEntryFiles(journal, prepared.entry);
    if (applied && CheckpointDue(journal))
        CheckpointJournal(fs, adminDir, journal);
}

}  // namespace brlib
