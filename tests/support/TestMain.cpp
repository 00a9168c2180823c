#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

#include "host/base/AdminDir.h"

// Forms need an application object; tests run with the offscreen platform.
// A test that opens a form without an administration of its own must still
// never write into the working directory or the user's settings: both point
// at a directory that is removed when the tests end.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QTemporaryDir plek;
    qputenv("RSV_MACHINE_CONFIG", (plek.path() + "/werkplek").toUtf8());
    ZetAdminDir(plek.path());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
