#include "host/records/Undo.h"

#include "host/records/IoError.h"
#include "host/records/PhysicalWrite.h"

namespace brlib {

namespace {

const QString kLocation = QStringLiteral("RestoreFiles");
const QString kRestore = QStringLiteral("Kan een onderbroken opslag niet herstellen");

void Restore(FileSystem& fs, const UndoFile& file)
{
    if (!file.existed) {
        const int removed = fs.Remove(file.path);
        if (removed == -ENOENT)
            return;
        CheckIo(removed, kRestore, file.path, kLocation);
        const QString dir = file.path.section(QLatin1Char('/'), 0, -2);
        CheckIo(fs.SyncDir(dir), kRestore, dir, kLocation);
        return;
    }
    const int handle = int(CheckIo(fs.Open(file.path, FileSystem::Mode::Create), kRestore, file.path, kLocation));
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
    CheckIo(result, kRestore, file.path, kLocation);
}

}  // namespace

void RestoreFiles(FileSystem& fs, const std::vector<UndoFile>& files)
{
    for (const UndoFile& file : files)
        Restore(fs, file);
}

}  // namespace brlib
