#include "host/records/Journal.h"

#include "host/records/IoError.h"
#include "host/records/PhysicalWrite.h"

namespace brlib {

namespace {

const QString kLocation = QStringLiteral("RollBackJournal");
const QString kRestore = QStringLiteral("Kan een onderbroken opslag niet herstellen");

QByteArray ReadWhole(FileSystem& fs, const QString& path)
{
    const int handle = int(CheckIo(fs.Open(path, FileSystem::Mode::Read), kRestore, path, kLocation));
    QByteArray bytes;
    const int64_t size = fs.Size(handle);
    int64_t read = size;
    if (size > 0) {
        bytes.resize(size);
        read = fs.Read(handle, 0, bytes.data(), size);
    }
    fs.Close(handle);
    CheckIo(read, kRestore, path, kLocation);
    bytes.truncate(int(read));
    return bytes;
}

void Restore(FileSystem& fs, const QString& path, const JournalFile& file)
{
    if (!file.existed) {
        const int removed = fs.Remove(path);
        if (removed == -ENOENT)
            return;
        CheckIo(removed, kRestore, path, kLocation);
        // The removal must last before the journal is cleared.
        const QString dir = path.section(QLatin1Char('/'), 0, -2);
        CheckIo(fs.SyncDir(dir), kRestore, dir, kLocation);
        return;
    }
    const int handle = int(CheckIo(fs.Open(path, FileSystem::Mode::Create), kRestore, path, kLocation));
    int result = 0;
    for (const JournalRegion& region : file.regions) {
        result = PhysicalWrite(fs, handle, region.offset, region.bytes.constData(), region.bytes.size());
        if (result < 0)
            break;
    }
    if (result == 0)
        result = fs.Truncate(handle, file.originalSize);
    if (result == 0)
        result = fs.Sync(handle);
    fs.Close(handle);
    CheckIo(result, kRestore, path, kLocation);
}

// A cleared journal is told by its first bytes, without reading the rest.
bool StartsAsJournal(FileSystem& fs, const QString& path)
{
    const int handle = fs.Open(path, FileSystem::Mode::Read);
    if (handle < 0)
        return handle != -ENOENT;
    char head[8] = {};
    const int64_t read = fs.Read(handle, 0, head, sizeof head);
    fs.Close(handle);
    return read == int64_t(sizeof head) && StartsWithJournalMagic(head);
}

// Whether the bytes on disk differ from the journal's copy of them.
bool Differs(FileSystem& fs, const QString& path, const JournalFile& file)
{
    const int handle = fs.Open(path, FileSystem::Mode::Read);
    if (handle < 0)
        return false;
    bool differs = false;
    for (const JournalRegion& region : file.regions) {
        QByteArray now(region.bytes.size(), Qt::Uninitialized);
        differs = differs || fs.Read(handle, region.offset, now.data(), now.size()) != now.size() || now != region.bytes;
    }
    fs.Close(handle);
    return differs;
}

// An action that raises an existing update count writes it last, after all its
// other files are durable (see Commit.h): once the count on disk differs from
// the journal's copy, the action is whole and its journal is no longer hot.
bool CommittedByUpdateCount(FileSystem& fs, const QString& adminDir, const std::vector<JournalFile>& files)
{
    for (const JournalFile& file : files)
        if (file.path == UpdateCountFile() && file.existed)
            return Differs(fs, adminDir + QLatin1Char('/') + file.path, file);
    return false;
}

std::vector<JournalFile> ReadHot(FileSystem& fs, const QString& adminDir, RollBack when, bool& hot)
{
    std::vector<JournalFile> files;
    const QString journal = JournalPath(adminDir);
    hot = StartsAsJournal(fs, journal) && DecodeJournal(ReadWhole(fs, journal), files)
          && (when == RollBack::Always || !CommittedByUpdateCount(fs, adminDir, files));
    return files;
}

}  // namespace

bool HotJournal(FileSystem& fs, const QString& adminDir)
{
    bool hot = false;
    ReadHot(fs, adminDir, RollBack::UnlessCommitted, hot);
    return hot;
}

int ClearJournal(FileSystem& fs, const QString& adminDir, bool sync)
{
    const int handle = fs.Open(JournalPath(adminDir), FileSystem::Mode::ReadWrite);
    if (handle < 0)
        return handle == -ENOENT ? 0 : handle;
    const char zeros[8] = {};
    int result = PhysicalWrite(fs, handle, 0, zeros, sizeof zeros);
    if (result == 0 && sync)
        result = fs.Sync(handle);
    fs.Close(handle);
    return result;
}

bool RollBackJournal(FileSystem& fs, const QString& adminDir, RollBack when)
{
    bool hot = false;
    const std::vector<JournalFile> files = ReadHot(fs, adminDir, when, hot);
    if (hot)
        RollBackFiles(fs, adminDir, files);
    return hot;
}

void RollBackFiles(FileSystem& fs, const QString& adminDir, const std::vector<JournalFile>& files)
{
    for (const JournalFile& file : files)
        Restore(fs, adminDir + QLatin1Char('/') + file.path, file);
    CheckIo(ClearJournal(fs, adminDir), kRestore, JournalPath(adminDir), kLocation);
}

}  // namespace brlib
