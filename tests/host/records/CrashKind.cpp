// Child process of the crash test: runs the action on the administration given
// as argument. With RSV_CRASH_AFTER_WRITES set it dies part-way.

#include <cstdio>

#include "host/base/AdminDir.h"
#include "host/base/EBrRuntime.h"
#include "tests/host/records/CrashActie.h"

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    ZetAdminDir(QString::fromLocal8Bit(argv[1]));
    try {
        if (QByteArray(argv[2]) == "begin")
            MaakBeginstand();
        else
            DoeCrashActie();
    } catch (const EBrRuntime& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
