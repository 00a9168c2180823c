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
        if (removed != -ENOENT)
            CheckIo(removed, kRestore, path, kLocation);
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

}  // namespace

void RollBackJournal(FileSystem& fs, const QString& adminDir)
{
    const QString journal = JournalPath(adminDir);
    if (!fs.Exists(journal))
        return;
    std::vector<JournalFile> files;
    if (DecodeJournal(ReadWhole(fs, journal), files)) {
        for (const JournalFile& file : files)
            Restore(fs, adminDir + QLatin1Char('/') + file.path, file);
    }
    CheckIo(fs.Remove(journal), kRestore, journal, kLocation);
    CheckIo(fs.SyncDir(adminDir), kRestore, adminDir, kLocation);
}

}  // namespace brlib
