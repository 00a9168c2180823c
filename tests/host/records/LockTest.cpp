#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <QElapsedTimer>

#include "host/records/Locks.h"
#include "host/records/Werkstation.h"
#include "tests/support/TempAdmin.h"

using namespace brlib;

TEST(RsvLock, SecondWorkstationWaitsThenGetsFalse)
{
    TempAdmin admin;
    ZetLockWachttijd(200);
    ASSERT_TRUE(RsvLock());
    {
        WerkstationScope ander(admin.Second());
        QElapsedTimer klok;
        klok.start();
        EXPECT_FALSE(RsvLock());
        EXPECT_GE(klok.elapsed(), 150);
        EXPECT_FALSE(MultiLockFile({"reg", "rsv"}));
    }
    RsvUnlock();
    WerkstationScope ander(admin.Second());
    EXPECT_TRUE(RsvLock());
    RsvUnlock();
}

TEST(RsvLock, NestsOnOneWorkstationAndCommitsAtTheLastRelease)
{
    TempAdmin admin;
    auto tweede = admin.Second();
    ASSERT_TRUE(RsvLock());
    ASSERT_TRUE(RsvLock());
    RsvUnlock();
    EXPECT_TRUE(admin.Werkstation()->ActionOpen());
    EXPECT_FALSE(tweede->Lock({"rsv"}));
    RsvUnlock();
    EXPECT_FALSE(admin.Werkstation()->ActionOpen());
    EXPECT_TRUE(tweede->Lock({"rsv"}));
    tweede->Unlock({"rsv"});
}

TEST(MultiLockFile, TakesAllOrNoneAndSharesRsvWithRsvLock)
{
    TempAdmin admin;
    auto tweede = admin.Second();
    ASSERT_TRUE(tweede->Lock({"reg"}));
    EXPECT_FALSE(MultiLockFile({"rsv", "reg"}));
    // Nothing of the failed call stays held.
    EXPECT_FALSE(admin.Werkstation()->ActionOpen());
    EXPECT_TRUE(tweede->Lock({"rsv"}));
    tweede->Unlock({"rsv", "reg"});

    ASSERT_TRUE(MultiLockFile({"reg", "rsv"}));
    EXPECT_TRUE(admin.Werkstation()->ActionOpen());
    EXPECT_FALSE(tweede->Lock({"rsv"}));
    MultiUnlockFile({"rsv", "reg"});
    EXPECT_TRUE(tweede->Lock({"reg", "rsv"}));
    tweede->Unlock({"rsv", "reg"});
}

TEST(MultiLockFile, NamesInAnyOrderDoNotDeadlock)
{
    TempAdmin admin;
    ZetLockWachttijd(3000);
    auto een = admin.Second();
    auto twee = admin.Second();
    std::atomic<int> geweigerd = 0;
    auto werk = [&](Werkstation& ws, QStringList namen) {
        for (int i = 0; i < 40; ++i) {
            if (!ws.Lock(namen)) {
                ++geweigerd;
                continue;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            ws.Unlock(namen);
        }
    };
    std::thread a(werk, std::ref(*een), QStringList{"rsv", "reg", "kas"});
    std::thread b(werk, std::ref(*twee), QStringList{"kas", "reg", "rsv"});
    a.join();
    b.join();
    EXPECT_EQ(geweigerd, 0);
}
