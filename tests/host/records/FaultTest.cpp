#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "host/base/EBrRuntime.h"
#include "host/records/Journal.h"
#include "host/records/RecordCacheImpl.h"
#include "host/records/Locks.h"
#include "host/records/Werkstation.h"
#include "tests/host/records/CrashActie.h"
#include "tests/support/FaultFileSystem.h"
#include "tests/support/TempAdmin.h"

using namespace brlib;

TEST(Fault, AFullDiskDuringCommitLosesNothingAndSaysSo)
{
    TempAdmin admin;
    MaakBeginstand();
    const Momentopname voor = NeemMomentopname(admin.Dir());
    for (int n = 1;; ++n) {
        FaultFileSystem fs;
        auto werkstation = std::make_shared<Werkstation>(admin.Dir(), fs);
        WerkstationScope scope(werkstation);
        fs.FailWrite(n);
        try {
            DoeCrashActie();
        } catch (const EBrRuntime& e) {
            EXPECT_TRUE(e.Message().contains("de schijf is vol")) << e.Message().toStdString();
            EXPECT_FALSE(werkstation->ActionOpen());
            EXPECT_EQ(NeemMomentopname(admin.Dir()), voor) << "n = " << n;
            continue;
        }
        EXPECT_GT(n, 3);
        EXPECT_NE(NeemMomentopname(admin.Dir()), voor);
        break;
    }
    // The stored action is whole; a lost "applied" mark only lets the next
    // lock holder write it again.
    const Momentopname na = NeemMomentopname(admin.Dir());
    ASSERT_TRUE(RsvLock());
    RsvUnlock();
    EXPECT_EQ(NeemMomentopname(admin.Dir()), na);
    EXPECT_FALSE(HotJournal(RealFileSystem(), admin.Dir()));
}

TEST(Fault, AnIncompleteOrDamagedJournalIsIgnoredWithoutTouchingData)
{
    TempAdmin admin;
    MaakBeginstand();
    const Momentopname voor = NeemMomentopname(admin.Dir());
    for (const QByteArray& inhoud : {QByteArray("RSVJRNL2\x02\0\0\0", 12), QByteArray(64, '\xff'), QByteArray()}) {
        QFile journal(JournalPath(admin.Dir()));
        ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
        journal.write(inhoud);
        journal.close();
        ASSERT_TRUE(RsvLock());
        RsvUnlock();
        EXPECT_FALSE(HotJournal(RealFileSystem(), admin.Dir()));
        EXPECT_EQ(NeemMomentopname(admin.Dir()), voor);
    }
}

TEST(Fault, AbandonedActionLeavesTheFilesAndFreesTheLock)
{
    TempAdmin admin;
    MaakBeginstand();
    const Momentopname voor = NeemMomentopname(admin.Dir());
    try {
        RsvActie actie;
        ASSERT_TRUE(actie.Locked());
        RecordCacheImpl een(20, "een.dat", tfEenBestand, false, false);
        een.Store(0, 9, QByteArray(20, 'q').constData());
        throw EBrRuntime("afgebroken", "test");
    } catch (const EBrRuntime&) {
    }
    EXPECT_EQ(NeemMomentopname(admin.Dir()), voor);
    auto ander = admin.Second();
    EXPECT_TRUE(ander->Lock({"rsv"}));
    ander->Unlock({"rsv"});
}

TEST(Fault, OnlyAWholeEntryIsWrittenAgain)
{
    TempAdmin admin;
    MaakBeginstand();
    const Momentopname voor = NeemMomentopname(admin.Dir());
    JournalEntry entry;
    entry.boot = RealFileSystem().BootId(admin.Dir());
    entry.files.push_back({"een.dat", true, 20, {{0, QByteArray(20, '!')}}});
    const QByteArray heel = EncodeJournalHeader(7) + EncodeJournalEntry(7, entry);

    auto schrijf = [&](const QByteArray& inhoud) {
        QFile journal(JournalPath(admin.Dir()));
        ASSERT_TRUE(journal.open(QIODevice::WriteOnly));
        journal.write(inhoud);
        journal.close();
        ASSERT_TRUE(RsvLock());
        RsvUnlock();
    };
    schrijf(heel.left(heel.size() - 1));
    EXPECT_EQ(NeemMomentopname(admin.Dir()), voor);
    schrijf(heel + QByteArray(100, 'x'));  // its writer died before the data
    EXPECT_EQ(NeemMomentopname(admin.Dir())["een.dat"].left(21), QByteArray(20, '!') + voor.at("een.dat").at(20));
    EXPECT_FALSE(HotJournal(RealFileSystem(), admin.Dir()));
}

// An action applied on this boot is not written again: a repair that changed
// its bytes since stays.
TEST(Fault, AnAppliedEntryIsLeftAlone)
{
    TempAdmin admin;
    MaakBeginstand();
    DoeCrashActie();
    QFile een(admin.Dir() + "/een.dat");
    ASSERT_TRUE(een.open(QIODevice::ReadWrite));
    een.write(QByteArray(40, '?'));
    een.close();
    const Momentopname hersteld = NeemMomentopname(admin.Dir());
    EXPECT_FALSE(HotJournal(RealFileSystem(), admin.Dir()));
    ASSERT_TRUE(RsvLock());
    RsvUnlock();
    EXPECT_EQ(NeemMomentopname(admin.Dir()), hersteld);
}

// A large action is journaled whole, but its size does not stay on the disk.
TEST(Fault, ALargeActionLeavesNoLargeJournalBehind)
{
    TempAdmin admin;
    constexpr int kGroot = 64 << 10;
    ASSERT_TRUE(RsvLock());
    RecordCacheImpl groot(kGroot, "groot.dat", tfEenBestand, false, false);
    for (int nr = 1; nr <= 80; ++nr)
        groot.Store(0, nr, QByteArray(kGroot, char('0' + nr % 10)).constData());
    RsvUnlock();
    EXPECT_EQ(QFileInfo(JournalPath(admin.Dir())).size(), kJournalHeaderSize);
    const Momentopname na = NeemMomentopname(admin.Dir());
    EXPECT_EQ(na.at("groot.dat").size(), 80 * kGroot);
    EXPECT_EQ(na.at("groot.dat").at(79 * kGroot), '0');
    ASSERT_TRUE(RsvLock());
    RsvUnlock();
    EXPECT_EQ(NeemMomentopname(admin.Dir()), na);
}
