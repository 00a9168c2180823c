// rsv_schrijfpad DIR NAAM: runs one write path on the administration DIR and
// prints "schrijfacties N", the number of writes to disk it made. The crash
// test runs it with RSV_CRASH_AFTER_WRITES so that it dies part-way.
// Exit status: 0 stored, 5 not stored, 4 an error of the record layer, 2 usage.

#include <cstdio>
#include <QCoreApplication>

#include "host/base/AdminDir.h"
#include "host/base/EBrRuntime.h"
#include "host/records/FileSystem.h"
#include "tests/schrijfpaden/SchrijfPaden.h"
#include "tests/support/FaultFileSystem.h"
#include "tests/support/ScriptedMessages.h"

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const SchrijfPad* pad = args.size() == 3 ? VindPad(args[2]) : nullptr;
    if (!pad)
        return 2;
    FaultFileSystem teller;  // fails nothing: it counts the writes
    brlib::FileSystemScope fs(teller);
    ZetAdminDir(args[1]);
    ScriptedMessages berichten;
    int status = 5;
    try {
        status = pad->voerUit() ? 0 : 5;
    } catch (const EBrRuntime& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        status = 4;
    }
    for (const MsgRequest& b : berichten.Gezien())
        std::fprintf(stderr, "%s: %s\n", qPrintable(b.titel), qPrintable(b.tekst));
    std::printf("schrijfacties %d\n", teller.Writes());
    return status;
}
