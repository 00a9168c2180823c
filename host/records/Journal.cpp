#include "host/records/Journal.h"

#include <QRandomGenerator>

#include "host/records/IoError.h"
#include "host/records/PhysicalWrite.h"

namespace brlib {

namespace {

const QString kLocation = QStringLiteral("RecoverJournal");
const QString kRestore = QStringLiteral("Kan een onderbroken opslag niet herstellen");

struct Found {
    bool exists = false;
    QByteArray boot;
    DecodedJournal journal;
};

// Left-overs of longer journals stay behind the entries, so the file is read
// from the start only as far as they go.
constexpr int64_t kFirstRead = 16 << 10;

// Beyond this a checkpoint cuts the journal back to its header: an import or
// repair of thousands of records would otherwise leave its size on the disk.
constexpr int64_t kJournalKeptBytes = 4 << 20;

int64_t ReadPrefix(FileSystem& fs, int handle, int64_t size, QByteArray& bytes)
{
    bytes.resize(size);
    const int64_t read = size > 0 ? fs.Read(handle, 0, bytes.data(), size) : 0;
    bytes.truncate(int(std::max<int64_t>(read, 0)));
    return read;
}

// Only after the new header: whatever the disk keeps of the cut, the old
// entries are either whole (and write what the data files hold) or ignored.
// A cut that fails costs only space.
void ShrinkJournal(FileSystem& fs, const QString& path)
{
    const int handle = fs.Open(path, FileSystem::Mode::ReadWrite);
    if (handle < 0)
        return;
    fs.Truncate(handle, kJournalHeaderSize);
    fs.Close(handle);
}

Found Find(FileSystem& fs, const QString& adminDir)
{
    Found found;
    found.boot = fs.BootId(adminDir);
    const QString path = JournalPath(adminDir);
    const int handle = fs.Open(path, FileSystem::Mode::Read);
    found.exists = handle != -ENOENT;
    if (!found.exists)
        return found;
    CheckIo(handle, kRestore, path, kLocation);
    const int64_t size = fs.Size(handle);
    QByteArray bytes;
    int64_t result = size;
    for (int64_t n = std::min(size, kFirstRead); result >= 0 && n >= 0;) {
        result = ReadPrefix(fs, handle, n, bytes);
        found.journal = DecodeJournal(bytes, found.boot);
        const int64_t wanted = JournalBytesWanted(bytes, found.journal);
        if (wanted == 0 || n >= size)
            break;
        n = std::min(size, std::max(wanted, 2 * n));
    }
    fs.Close(handle);
    CheckIo(result, kRestore, path, kLocation);
    return found;
}

// The entries the disk may lack: all after a restart or on a share (their data
// was synced or nothing tells), else the last one when its writer died before
// it had written the data.
std::vector<const JournalEntry*> Lost(const Found& found)
{
    const std::vector<JournalEntry>& entries = found.journal.entries;
    std::vector<const JournalEntry*> lost;
    const bool restarted = found.boot.isEmpty()
                           || std::any_of(entries.begin(), entries.end(),
                                          [&](const JournalEntry& e) { return e.boot != found.boot; });
    if (restarted) {
        for (const JournalEntry& entry : entries)
            lost.push_back(&entry);
    } else if (!entries.empty() && !entries.back().applied) {
        lost.push_back(&entries.back());
    }
    return lost;
}

int WriteAgain(FileSystem& fs, const QString& path, const JournalFile& file)
{
    const QString dir = path.section(QLatin1Char('/'), 0, -2);
    if (!file.existed)
        if (const int result = fs.MakeDir(dir); result < 0)
            return result;
    const int handle = fs.Open(path, FileSystem::Mode::Create);
    if (handle < 0)
        return handle;
    int result = 0;
    const int64_t size = fs.Size(handle);
    if (size < 0)
        result = int(size);
    else if (size < file.size)
        result = fs.Truncate(handle, file.size);
    for (size_t i = 0; result == 0 && i < file.regions.size(); ++i) {
        const JournalRegion& region = file.regions[i];
        result = PhysicalWrite(fs, handle, region.offset, region.bytes.constData(), region.bytes.size());
    }
    fs.Close(handle);
    return result;
}

void WriteAgain(FileSystem& fs, const QString& adminDir, const std::vector<const JournalEntry*>& entries)
{
    for (const JournalEntry* entry : entries)
        for (const JournalFile& file : entry->files) {
            const QString path = adminDir + QLatin1Char('/') + file.path;
            CheckIo(WriteAgain(fs, path, file), kRestore, path, kLocation);
        }
}

uint64_t NewGeneration()
{
    uint64_t generation = 0;
    while (generation == 0)
        generation = QRandomGenerator::system()->generate64();
    return generation;
}

// The folders whose entries must last for the files the journal created.
std::set<QString> CreatedFolders(const QString& adminDir, const std::set<QString>& created)
{
    std::set<QString> folders;
    for (const QString& file : created) {
        const QString dir = (adminDir + QLatin1Char('/') + file).section(QLatin1Char('/'), 0, -2);
        folders.insert(dir);
        if (dir != adminDir)
            folders.insert(adminDir);
    }
    return folders;
}

int SyncFiles(FileSystem& fs, const QString& adminDir, const std::set<QString>& files)
{
    std::vector<int> handles;
    int result = 0;
    for (const QString& file : files) {
        const int handle = fs.Open(adminDir + QLatin1Char('/') + file, FileSystem::Mode::ReadWrite);
        if (handle < 0) {
            result = handle;
            break;
        }
        handles.push_back(handle);
    }
    if (result == 0)
        result = fs.SyncAll(handles);
    for (const int handle : handles)
        fs.Close(handle);
    return result;
}

}  // namespace

void NoteEntryFiles(JournalState& state, const JournalEntry& entry)
{
    for (const JournalFile& file : entry.files) {
        state.files.insert(file.path);
        if (!file.existed)
            state.created.insert(file.path);
    }
}

bool RecoverJournal(FileSystem& fs, const QString& adminDir, JournalState& state)
{
    const Found found = Find(fs, adminDir);
    state = {};
    state.exists = found.exists;
    state.headerWritten = found.journal.header;
    state.generation = found.journal.header ? found.journal.generation : NewGeneration();
    state.end = found.journal.end;
    state.entries = int(found.journal.entries.size());
    state.boot = found.boot;
    for (const JournalEntry& entry : found.journal.entries)
        NoteEntryFiles(state, entry);
    const std::vector<const JournalEntry*> lost = Lost(found);
    if (lost.empty())
        return false;
    WriteAgain(fs, adminDir, lost);
    CheckIo(CheckpointJournal(fs, adminDir, state), kRestore, JournalPath(adminDir), kLocation);
    return true;
}

bool HotJournal(FileSystem& fs, const QString& adminDir) { return !Lost(Find(fs, adminDir)).empty(); }

std::vector<QString> HotJournalFiles(FileSystem& fs, const QString& adminDir)
{
    const Found found = Find(fs, adminDir);
    std::set<QString> files;
    for (const JournalEntry* entry : Lost(found))
        for (const JournalFile& file : entry->files)
            files.insert(file.path);
    return {files.begin(), files.end()};
}

int CheckpointJournal(FileSystem& fs, const QString& adminDir, JournalState& state)
{
    if (state.entries == 0)
        return 0;
    if (const int result = SyncFiles(fs, adminDir, state.files); result < 0)
        return result;
    for (const QString& folder : CreatedFolders(adminDir, state.created))
        if (const int result = fs.SyncDir(folder); result < 0)
            return result;
    // The new header need not last: until an entry of it does, the old
    // entries only write again what the disk now holds.
    const uint64_t generation = NewGeneration();
    if (const int result = PhysicalWriteAt(fs, JournalPath(adminDir), 0, EncodeJournalHeader(generation), false);
        result < 0)
        return result;
    if (state.end > kJournalKeptBytes)
        ShrinkJournal(fs, JournalPath(adminDir));
    state.generation = generation;
    state.headerWritten = true;
    state.end = kJournalHeaderSize;
    state.entries = 0;
    state.files.clear();
    state.created.clear();
    return 0;
}

}  // namespace brlib
