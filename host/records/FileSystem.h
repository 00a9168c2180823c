#pragma once
// The only door of the record layer to the platform: every open, read, write,
// sync, lock and directory call goes through a FileSystem, so that tests can put
// a fault-injecting one in its place. Calls return 0 (or a byte count) on
// success and -errno on failure; they never throw.

#include <cstdint>
#include <vector>
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace brlib {

// What tells whether a file changed since it was last looked at (a missing
// file has all zeros).
struct FileStamp {
    int64_t size = 0;
    int64_t inode = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

class FileSystem {
public:
    enum class Mode { Read, ReadWrite, Create };  // Create: read-write, made if missing

    virtual ~FileSystem() = default;

    virtual int Open(const QString& path, Mode mode) = 0;  // a handle >= 0
    virtual void Close(int handle) = 0;
    virtual int64_t Read(int handle, int64_t offset, void* buffer, int64_t length) = 0;
    virtual int Write(int handle, int64_t offset, const void* data, int64_t length) = 0;
    virtual int Sync(int handle) = 0;
    // Syncs several files; the platform may start writing all of them before it
    // waits for any. The first error, or 0.
    virtual int SyncAll(const std::vector<int>& handles);
    virtual int64_t Size(int handle) = 0;
    virtual int Truncate(int handle, int64_t size) = 0;

    // An exclusive lock owned by the open handle (not the process), so that two
    // handles of one process exclude each other. TryLock does not wait.
    virtual int TryLock(int handle) = 0;
    virtual void Unlock(int handle) = 0;

    // The platform's stamp of the file (the default asks RealFileSystem()).
    virtual int Stamp(const QString& path, FileStamp& stamp);
    // Names the current boot of the machine that keeps the unsynced writes to
    // files under `path`: it changes when that machine restarts, which may have
    // lost them. Empty when the files lie on a share or the platform cannot
    // tell. The default asks RealFileSystem().
    virtual QByteArray BootId(const QString& path);
    virtual bool Exists(const QString& path) = 0;
    virtual int MakeDir(const QString& path) = 0;  // 0 when it exists already
    virtual int SyncDir(const QString& path) = 0;
    virtual int Remove(const QString& path) = 0;
    virtual QStringList ListDir(const QString& path) = 0;
};

// For tests that drop unsynced writes as a power failure does: every boot id
// changes, as after a restart.
void CountRestart();
int Restarts();

// The platform's file system, one per process.
FileSystem& RealFileSystem();

// The file system new workstations use; RealFileSystem() unless a scope is active.
FileSystem& CurrentFileSystem();

class FileSystemScope {
public:
    explicit FileSystemScope(FileSystem& fs);
    ~FileSystemScope();
    FileSystemScope(const FileSystemScope&) = delete;
    FileSystemScope& operator=(const FileSystemScope&) = delete;

private:
    FileSystem* previous_;
};

// Dutch text of an error code returned by a FileSystem call, for messages.
QString FoutTekst(int error);

}  // namespace brlib
