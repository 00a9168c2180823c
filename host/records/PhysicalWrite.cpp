#include "host/records/PhysicalWrite.h"

#include <QByteArray>

namespace brlib {

namespace {
int64_t CrashAfter()
{
    static const int64_t k = qEnvironmentVariableIsSet("RSV_CRASH_AFTER_WRITES")
                                 ? qEnvironmentVariable("RSV_CRASH_AFTER_WRITES").toLongLong()
                                 : 0;
    return k;
}
}

int PhysicalWrite(FileSystem& fs, int handle, int64_t offset, const void* data, int64_t length)
{
    static int64_t writes = 0;
    const int result = fs.Write(handle, offset, data, length);
    if (CrashAfter() > 0 && ++writes == CrashAfter())
        KillThisProcess();
    return result;
}

int PhysicalWriteAt(FileSystem& fs, const QString& path, int64_t offset, const QByteArray& bytes, bool sync)
{
    const int handle = fs.Open(path, FileSystem::Mode::Create);
    if (handle < 0)
        return handle;
    int result = PhysicalWrite(fs, handle, offset, bytes.constData(), bytes.size());
    if (result == 0 && sync)
        result = fs.Sync(handle);
    fs.Close(handle);
    return result;
}

}  // namespace brlib
