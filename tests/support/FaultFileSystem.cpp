#include "tests/support/FaultFileSystem.h"

#include <QFileInfo>

using brlib::FileSystem;

FaultFileSystem::FaultFileSystem() : real_(brlib::RealFileSystem()) {}

void FaultFileSystem::FailWrite(int n, int error)
{
    failAt_ = writes_ + n;
    failError_ = error;
}

void FaultFileSystem::FailSync(int n, int error)
{
    failSyncAt_ = syncs_ + n;
    failSyncError_ = error;
}

void FaultFileSystem::PowerOffAfterWrites(int n) { offAfter_ = writes_ + n; }

QByteArray FaultFileSystem::Content(const QString& path)
{
    QByteArray bytes;
    const int handle = real_.Open(path, Mode::Read);
    if (handle < 0)
        return bytes;
    bytes.resize(real_.Size(handle));
    real_.Read(handle, 0, bytes.data(), bytes.size());
    real_.Close(handle);
    return bytes;
}

void FaultFileSystem::KeepSyncedData(const QString& path)
{
    if (!syncedData_.count(path))
        syncedData_[path] = Content(path);
}

void FaultFileSystem::KeepSyncedEntry(const QString& path)
{
    if (!syncedEntry_.count(path))
        syncedEntry_[path] = real_.Exists(path);
}

bool FaultFileSystem::CountWrite()
{
    ++writes_;
    return writes_ != failAt_;
}

int FaultFileSystem::Open(const QString& path, Mode mode)
{
    if (off_)
        return -EIO;
    if (mode == Mode::Create && !real_.Exists(path)) {
        KeepSyncedEntry(path);
        KeepSyncedData(path);
    }
    const int handle = real_.Open(path, mode);
    if (handle >= 0)
        paths_[handle] = path;
    return handle;
}

void FaultFileSystem::Close(int handle)
{
    paths_.erase(handle);
    real_.Close(handle);
}

int64_t FaultFileSystem::Read(int handle, int64_t offset, void* buffer, int64_t length)
{
    return off_ ? -EIO : real_.Read(handle, offset, buffer, length);
}

int FaultFileSystem::Write(int handle, int64_t offset, const void* data, int64_t length)
{
    if (off_)
        return -EIO;
    if (!CountWrite())
        return -failError_;
    KeepSyncedData(paths_[handle]);
    const int result = real_.Write(handle, offset, data, length);
    off_ = offAfter_ > 0 && writes_ >= offAfter_;
    return result;
}

int FaultFileSystem::Sync(int handle)
{
    if (off_)
        return -EIO;
    if (++syncs_ == failSyncAt_)
        return -failSyncError_;
    syncedData_.erase(paths_[handle]);
    return real_.Sync(handle);
}

int64_t FaultFileSystem::Size(int handle) { return off_ ? -EIO : real_.Size(handle); }

int FaultFileSystem::Truncate(int handle, int64_t size)
{
    if (off_)
        return -EIO;
    KeepSyncedData(paths_[handle]);
    return real_.Truncate(handle, size);
}

int FaultFileSystem::TryLock(int handle) { return off_ ? -EIO : real_.TryLock(handle); }
void FaultFileSystem::Unlock(int handle) { real_.Unlock(handle); }
bool FaultFileSystem::Exists(const QString& path) { return !off_ && real_.Exists(path); }
int FaultFileSystem::MakeDir(const QString& path) { return off_ ? -EIO : real_.MakeDir(path); }

int FaultFileSystem::SyncDir(const QString& path)
{
    if (off_)
        return -EIO;
    if (++syncs_ == failSyncAt_)
        return -failSyncError_;
    for (auto it = syncedEntry_.begin(); it != syncedEntry_.end();)
        it = QFileInfo(it->first).path() == path ? syncedEntry_.erase(it) : std::next(it);
    return real_.SyncDir(path);
}

int FaultFileSystem::Remove(const QString& path)
{
    if (off_)
        return -EIO;
    KeepSyncedEntry(path);
    KeepSyncedData(path);
    return real_.Remove(path);
}

QStringList FaultFileSystem::ListDir(const QString& path) { return off_ ? QStringList() : real_.ListDir(path); }

void FaultFileSystem::DropUnsynced()
{
    off_ = false;
    offAfter_ = 0;
    for (const auto& [path, existed] : syncedEntry_) {
        if (!existed)
            real_.Remove(path);
        else if (!real_.Exists(path))
            syncedData_.try_emplace(path, QByteArray());
    }
    for (const auto& [path, bytes] : syncedData_) {
        const auto entry = syncedEntry_.find(path);
        if (!real_.Exists(path) && (entry == syncedEntry_.end() || !entry->second))
            continue;
        const int handle = real_.Open(path, Mode::Create);
        real_.Truncate(handle, 0);
        real_.Write(handle, 0, bytes.constData(), bytes.size());
        real_.Close(handle);
    }
    syncedData_.clear();
    syncedEntry_.clear();
    brlib::CountRestart();
}
