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

std::vector<JournalFile> ReadHot(FileSystem& fs, const QString& adminDir, bool& hot)
{
    std::vector<JournalFile> files;
    const QString journal = JournalPath(adminDir);
    hot = fs.Exists(journal) && DecodeJournal(ReadWhole(fs, journal), files);
    return files;
}

}  // namespace

bool HotJournal(FileSystem& fs, const QString& adminDir)
{
    bool hot = false;
    ReadHot(fs, adminDir, hot);
    return hot;
}

int ClearJournal(FileSystem& fs, const QString& adminDir)
{
    const int handle = fs.Open(JournalPath(adminDir), FileSystem::Mode::ReadWrite);
    if (handle < 0)
        return handle == -ENOENT ? 0 : handle;
    const char zeros[8] = {};
    int result = PhysicalWrite(fs, handle, 0, zeros, sizeof zeros);
    if (result == 0)
        result = fs.Sync(handle);
    fs.Close(handle);
    return result;
}

void RollBackJournal(FileSystem& fs, const QString& adminDir)
{
    bool hot = false;
    const std::vector<JournalFile> files = ReadHot(fs, adminDir, hot);
    if (hot)
        RollBackFiles(fs, adminDir, files);
}

void RollBackFiles(FileSystem& fs, const QString& adminDir, const std::vector<JournalFile>& files)
{
    for (const JournalFile& file : files)
        Restore(fs, adminDir + QLatin1Char('/') + file.path, file);
    CheckIo(ClearJournal(fs, adminDir), kRestore, JournalPath(adminDir), kLocation);
}

}  // namespace brlib
