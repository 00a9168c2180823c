// Test-only writer: stores one reservation (header and two lines, chained under
// the header and under their day pointers) in the administration given as the
// first argument, as one action under the reservation lock. The crash test runs
// it with RSV_CRASH_AFTER_WRITES so that it dies in the middle of the commit.

#include <cstdio>

#include "host/base/AdminDir.h"
#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "tests/store/ReserveringSchrijven.h"

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    ZetAdminDir(QString::fromLocal8Bit(argv[1]));
    try {
        if (!brlib::RsvLock())
            return 3;
        SchrijfReservering(EncodeDate(2026, 3, 10), QString::fromLocal8Bit(argv[2]).toInt());
        brlib::RsvUnlock();
    } catch (const EBrRuntime& e) {
        std::fprintf(stderr, "%s\n", e.Message().toLocal8Bit().constData());
        return 4;
    }
    return 0;
}
