// The POSIX file system: the one unit of the record layer that makes system
// calls. A Windows build replaces this file only.

#include "host/records/FileSystem.h"

#include <QCryptographicHash>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace brlib {

namespace {

QByteArray Native(const QString& path) { return path.toLocal8Bit(); }

int Fail() { return -errno; }

// File systems on a disk of this machine: only a restart loses what they have
// not yet written. Anything else may be a share, whose server can lose it
// while this machine runs on.
bool OnLocalDisk(const QString& path)
{
    struct statfs fs;
    if (::statfs(Native(path).constData(), &fs) != 0)
        return false;
    switch (static_cast<uint32_t>(fs.f_type)) {
    case 0xEF53u:      // ext2, ext3, ext4
    case 0x58465342u:  // xfs
    case 0x9123683Eu:  // btrfs
    case 0x01021994u:  // tmpfs
    case 0x794C7630u:  // overlayfs
    case 0xF2F52010u:  // f2fs
    case 0x2FC12FC1u:  // zfs
        return true;
    default:
        return false;
    }
}

QByteArray ThisBoot()
{
    static const QByteArray boot = [] {
        QByteArray id(64, '\0');
        const int fd = ::open("/proc/sys/kernel/random/boot_id", O_RDONLY | O_CLOEXEC);
        const ssize_t n = fd >= 0 ? ::read(fd, id.data(), id.size()) : -1;
        if (fd >= 0)
            ::close(fd);
        id.truncate(n > 0 ? int(n) : 0);
        return id.trimmed();
    }();
    return boot;
}

int LockCommand(int handle, short type)
{
    struct flock fl = {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0;
    return fcntl(handle, F_OFD_SETLK, &fl) == 0 ? 0 : Fail();
}

class PosixFileSystem final : public FileSystem {
public:
    int Open(const QString& path, Mode mode) override
    {
        int flags = O_CLOEXEC;
        if (mode == Mode::Read)
            flags |= O_RDONLY;
        else
            flags |= O_RDWR | (mode == Mode::Create ? O_CREAT : 0);
        int fd;
        do {
            fd = ::open(Native(path).constData(), flags, 0666);
        } while (fd < 0 && errno == EINTR);
        return fd >= 0 ? fd : Fail();
    }

    void Close(int handle) override { ::close(handle); }

    int64_t Read(int handle, int64_t offset, void* buffer, int64_t length) override
    {
        int64_t done = 0;
        while (done < length) {
            const ssize_t n = ::pread(handle, static_cast<char*>(buffer) + done, length - done, offset + done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return Fail();
            if (n == 0)
                break;
            done += n;
        }
        return done;
    }

    int Write(int handle, int64_t offset, const void* data, int64_t length) override
    {
        int64_t done = 0;
        while (done < length) {
            const ssize_t n = ::pwrite(handle, static_cast<const char*>(data) + done, length - done, offset + done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return Fail();
            done += n;
        }
        return 0;
    }

    int Sync(int handle) override { return ::fdatasync(handle) == 0 ? 0 : Fail(); }

    // Starts the write-back of every file before waiting for any, so that the
    // disk works on all of them at once and the first sync's journal commit
    // carries the others' metadata. (Syncing on threads was tried: on a machine
    // short of CPU the threads' start-up cost more than the syncs.)
    int SyncAll(const std::vector<int>& handles) override
    {
#ifdef __linux__
        for (const int handle : handles)
            ::sync_file_range(handle, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
        for (const int handle : handles)
            if (const int result = Sync(handle); result < 0)
                return result;
        return 0;
    }

    int64_t Size(int handle) override
    {
        struct stat st;
        return ::fstat(handle, &st) == 0 ? int64_t(st.st_size) : int64_t(Fail());
    }

    int Truncate(int handle, int64_t size) override { return ::ftruncate(handle, size) == 0 ? 0 : Fail(); }

    int TryLock(int handle) override { return LockCommand(handle, F_WRLCK); }
    void Unlock(int handle) override { LockCommand(handle, F_UNLCK); }

    int Stamp(const QString& path, FileStamp& stamp) override
    {
        struct stat st;
        if (::stat(Native(path).constData(), &st) != 0)
            return Fail();
        stamp.size = st.st_size;
        stamp.inode = int64_t(st.st_ino);
        stamp.modifiedNs = int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        stamp.changedNs = int64_t(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
        return 0;
    }

    QByteArray BootId(const QString& path) override
    {
        if (ThisBoot().isEmpty() || !OnLocalDisk(path))
            return {};
        return QCryptographicHash::hash(ThisBoot() + QByteArray::number(Restarts()), QCryptographicHash::Md5);
    }

    bool Exists(const QString& path) override
    {
        struct stat st;
        return ::stat(Native(path).constData(), &st) == 0;
    }

    int MakeDir(const QString& path) override
    {
        if (::mkdir(Native(path).constData(), 0777) == 0 || errno == EEXIST)
            return 0;
        return Fail();
    }

    int SyncDir(const QString& path) override
    {
        const int fd = ::open(Native(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return Fail();
        const int result = ::fsync(fd) == 0 ? 0 : Fail();
        ::close(fd);
        return result;
    }

    int Remove(const QString& path) override { return ::unlink(Native(path).constData()) == 0 ? 0 : Fail(); }

    QStringList ListDir(const QString& path) override
    {
        QStringList names;
        DIR* dir = ::opendir(Native(path).constData());
        if (!dir)
            return names;
        while (const dirent* entry = ::readdir(dir)) {
            const QString name = QString::fromLocal8Bit(entry->d_name);
            if (name != QLatin1String(".") && name != QLatin1String(".."))
                names << name;
        }
        ::closedir(dir);
        return names;
    }
};

}  // namespace

FileSystem& RealFileSystem()
{
    static PosixFileSystem fs;
    return fs;
}

}  // namespace brlib

#include <csignal>

#include "host/records/PhysicalWrite.h"

void brlib::KillThisProcess()
{
    ::kill(::getpid(), SIGKILL);
    ::_exit(137);
}
