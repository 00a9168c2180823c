#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "host/base/EBrRuntime.h"
#include "host/records/FindFiles.h"
#include "host/records/Locks.h"
#include "host/records/RecordCacheImpl.h"
#include "host/records/UpdateCount.h"
#include "tests/support/TempAdmin.h"

using namespace brlib;

TEST(UpdateCount, ChangesOnlyUnderTheLockAndIsSeenByOthersAfterCommit)
{
    TempAdmin admin;
    EXPECT_EQ(RsvGetUpdateCount(), 0);
    EXPECT_THROW(RsvChangeUpdateCount(), EBrRuntime);

    ASSERT_TRUE(RsvLock());
    const int32_t nieuw = RsvChangeUpdateCount();
    EXPECT_EQ(RsvGetUpdateCount(), nieuw);
    {
        WerkstationScope ander(admin.Second());
        EXPECT_EQ(RsvGetUpdateCount(), 0);
    }
    RsvUnlock();
    WerkstationScope ander(admin.Second());
    EXPECT_EQ(RsvGetUpdateCount(), nieuw);
    ASSERT_TRUE(RsvLock());
    EXPECT_NE(RsvChangeUpdateCount(), nieuw);
    RsvUnlock();
}

TEST(FindFiles, ListsTheYearsWhoseFileExists)
{
    TempAdmin admin;
    ASSERT_TRUE(RsvLock());
    RecordCacheImpl jaar(8, "rsv_tarief.dat", tfPerJaar, false, false);
    RecordCacheImpl een(8, "rsv_kamer.dat", tfEenBestand, false, false);
    const char rec[8] = {};
    for (int j : {2027, 2025, 2026})
        jaar.Store(j, 1, rec);
    een.Store(0, 1, rec);
    RsvUnlock();
    QDir(admin.Dir()).mkpath("2030");       // a year without the file
    QDir(admin.Dir()).mkpath("archief");    // not a year

    QStringList bestanden;
    std::vector<int32_t> jaren;
    FindFiles("rsv_tarief.dat", tfPerJaar, bestanden, jaren);
    EXPECT_EQ(jaren, (std::vector<int32_t>{2025, 2026, 2027}));
    ASSERT_EQ(bestanden.size(), 3);
    EXPECT_EQ(bestanden[0], admin.Pad("2025/rsv_tarief.dat"));

    FindFiles("rsv_kamer.dat", tfEenBestand, bestanden, jaren);
    EXPECT_EQ(bestanden, QStringList{admin.Pad("rsv_kamer.dat")});
    EXPECT_TRUE(jaren.empty());
    FindFiles("rsv_reshfd.dat", tfPerJaar, bestanden, jaren);
    EXPECT_TRUE(jaren.empty());
}
