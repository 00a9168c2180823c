#pragma once
// A file system for tests that passes every call to the real one, but can
//  - fail the n-th write from now with an error (ENOSPC by default);
//  - fail the n-th sync from now with an error (EIO by default);
//  - "lose power" after the n-th write: every later call fails with EIO;
//  - drop what was not synced: writes since the file's last sync are undone,
//    files created or removed since their folder's last sync are removed or
//    put back, as a machine that lost power would find them.

#include <cerrno>
#include <cstdint>
#include <map>
#include <vector>
#include <QByteArray>
#include <QString>

#include "host/records/FileSystem.h"

class FaultFileSystem : public brlib::FileSystem {
public:
    FaultFileSystem();

    void FailWrite(int n, int error = ENOSPC);
    void FailSync(int n, int error = EIO);
    void PowerOffAfterWrites(int n);
    bool PoweredOff() const { return off_; }
    int Writes() const { return writes_; }
    int Syncs() const { return syncs_; }
    // Undoes everything unsynced and powers on again, as after a restart.
    void DropUnsynced();

    int Open(const QString& path, Mode mode) override;
    void Close(int handle) override;
    int64_t Read(int handle, int64_t offset, void* buffer, int64_t length) override;
    int Write(int handle, int64_t offset, const void* data, int64_t length) override;
    int Sync(int handle) override;
    int64_t Size(int handle) override;
    int Truncate(int handle, int64_t size) override;
    int TryLock(int handle) override;
    void Unlock(int handle) override;
    bool Exists(const QString& path) override;
    int MakeDir(const QString& path) override;
    int SyncDir(const QString& path) override;
    int Remove(const QString& path) override;
    QStringList ListDir(const QString& path) override;

private:
    QByteArray Content(const QString& path);
    void KeepSyncedData(const QString& path);
    void KeepSyncedEntry(const QString& path);
    bool CountWrite();

    brlib::FileSystem& real_;
    std::map<int, QString> paths_;
    std::map<QString, QByteArray> syncedData_;  // files written since their last sync
    std::map<QString, bool> syncedEntry_;       // created/removed since the folder's sync: existed then
    int writes_ = 0;
    int failAt_ = 0;
    int failError_ = ENOSPC;
    int syncs_ = 0;
    int failSyncAt_ = 0;
    int failSyncError_ = EIO;
    int offAfter_ = 0;
    bool off_ = false;
};
