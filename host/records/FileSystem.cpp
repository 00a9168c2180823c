#include "host/records/FileSystem.h"

#include <atomic>
#include <cerrno>
#include <cstring>

namespace brlib {

namespace {
FileSystem*& Current()
{
    static FileSystem* current = nullptr;
    return current;
}
}

FileSystem& CurrentFileSystem()
{
    FileSystem* fs = Current();
    return fs ? *fs : RealFileSystem();
}

int FileSystem::SyncAll(const std::vector<int>& handles)
{
    for (const int handle : handles)
        if (const int result = Sync(handle); result < 0)
            return result;
    return 0;
}

int FileSystem::Stamp(const QString& path, FileStamp& stamp) { return RealFileSystem().Stamp(path, stamp); }

QByteArray FileSystem::BootId(const QString& path) { return RealFileSystem().BootId(path); }

namespace {
std::atomic<int> restarts{0};
}

void CountRestart() { ++restarts; }

int Restarts() { return restarts; }

FileSystemScope::FileSystemScope(FileSystem& fs) : previous_(Current()) { Current() = &fs; }

FileSystemScope::~FileSystemScope() { Current() = previous_; }

QString FoutTekst(int error)
{
    const int code = error < 0 ? -error : error;
    if (code == ENOSPC)
        return QStringLiteral("de schijf is vol");
    if (code == EACCES || code == EPERM || code == EROFS)
        return QStringLiteral("geen toegang");
    if (code == ENOENT)
        return QStringLiteral("het bestand bestaat niet");
    return QStringLiteral("systeemfout %1 (%2)").arg(code).arg(QString::fromLocal8Bit(std::strerror(code)));
}

}  // namespace brlib
