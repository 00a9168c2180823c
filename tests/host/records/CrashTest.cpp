#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "host/base/EBrRuntime.h"
#include "host/records/Journal.h"
#include "host/records/Locks.h"
#include "host/records/RecordCacheImpl.h"
#include "host/records/Werkstation.h"
#include "tests/host/records/CrashActie.h"
#include "tests/support/FaultFileSystem.h"
#include "tests/support/ProgrammaMap.h"
#include "tests/support/TempAdmin.h"

using namespace brlib;

namespace {

QString KindProgramma()
{
    return ProgrammaMap() + "/rsv_records_crashkind";
}

// Runs the child on `dir`; returns its exit status, or -1 when it was killed.
int DraaiKind(const QString& dir, const QString& wat, int crashNa)
{
    QProcess kind;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("RSV_CRASH_AFTER_WRITES");
    if (crashNa > 0)
        env.insert("RSV_CRASH_AFTER_WRITES", QString::number(crashNa));
    kind.setProcessEnvironment(env);
    kind.start(KindProgramma(), {dir, wat});
    if (!kind.waitForFinished(30000))
        return -2;
    return kind.exitStatus() == QProcess::CrashExit ? -1 : kind.exitCode();
}

// What the next lock holder finds: it finishes what the journal holds.
Momentopname NaHerstel(const QString& dir)
{
    auto volgende = std::make_shared<Werkstation>(dir);
    EXPECT_TRUE(volgende->Lock({"rsv"}));
    volgende->Unlock({"rsv"});
    return NeemMomentopname(dir);
}

struct Standen {
    Momentopname voor;
    Momentopname na;
};

Standen BepaalStanden(const QString& dir)
{
    Standen standen;
    EXPECT_EQ(DraaiKind(dir, "begin", 0), 0);
    standen.voor = NeemMomentopname(dir);
    QTemporaryDir kopie;
    for (const auto& [pad, bytes] : standen.voor) {
        QDir(kopie.path()).mkpath(QFileInfo(pad).path());
        QFile f(kopie.path() + "/" + pad);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
    EXPECT_EQ(DraaiKind(kopie.path(), "actie", 0), 0);
    standen.na = NeemMomentopname(kopie.path());
    EXPECT_NE(standen.voor, standen.na);
    return standen;
}

}  // namespace

TEST(Crash, KilledAfterEveryWriteLeavesTheActionWholeOrNotAtAll)
{
    QTemporaryDir basis;
    const Standen standen = BepaalStanden(basis.path());
    int k = 1;
    for (; k < 100; ++k) {
        QTemporaryDir dir;
        ASSERT_EQ(DraaiKind(dir.path(), "begin", 0), 0);
        const int status = DraaiKind(dir.path(), "actie", k);
        const Momentopname gevonden = NaHerstel(dir.path());
        if (status == 0) {
            EXPECT_EQ(gevonden, standen.na);
            break;
        }
        ASSERT_EQ(status, -1) << "k = " << k;
        EXPECT_TRUE(gevonden == standen.voor || gevonden == standen.na) << "k = " << k;
    }
    EXPECT_GT(k, 3);  // the journal and several data files were written
}

// The actions between two checkpoints live on in the journal: a power failure
// after several of them, before their data was synced, loses none.
TEST(Crash, APowerFailureAfterSeveralActionsLosesNoneOfThem)
{
    TempAdmin admin;
    MaakBeginstand();
    FaultFileSystem fs;
    Momentopname na;
    {
        WerkstationScope scope(std::make_shared<Werkstation>(admin.Dir(), fs));
        for (char teken = 'a'; teken < 'f'; ++teken) {
            ASSERT_TRUE(RsvLock());
            RecordCacheImpl een(20, "een.dat", tfEenBestand, false, false);
            een.Store(0, 6 + (teken - 'a'), QByteArray(20, teken).constData());
            RsvUnlock();
        }
        na = NeemMomentopname(admin.Dir());
    }
    fs.DropUnsynced();
    EXPECT_NE(NeemMomentopname(admin.Dir()), na);
    EXPECT_EQ(NaHerstel(admin.Dir()), na);
}

// Power goes off after each write of the action, from an administration with a
// journal file and from one without (before its first action here, the
// journal's folder entry must be durable before any data is overwritten).
class PowerLoss : public testing::TestWithParam<bool> {};

TEST_P(PowerLoss, AfterEveryWriteDropsOnlyUnsyncedData)
{
    const bool metJournal = GetParam();
    Momentopname na;
    {
        TempAdmin zonderFouten;
        MaakBeginstand();
        DoeCrashActie();
        na = NeemMomentopname(zonderFouten.Dir());
    }
    TempAdmin admin;
    MaakBeginstand();
    const Momentopname voor = NeemMomentopname(admin.Dir());
    const auto beginstand = [&] {
        ZetMomentopname(admin.Dir(), voor);
        if (!metJournal)
            QFile::remove(JournalPath(admin.Dir()));
    };
    beginstand();
    for (int k = 1; k < 100; ++k) {
        FaultFileSystem fs;
        {
            auto werkstation = std::make_shared<Werkstation>(admin.Dir(), fs);
            WerkstationScope scope(werkstation);
            fs.PowerOffAfterWrites(k);
            try {
                DoeCrashActie();
            } catch (const EBrRuntime&) {
            }
        }
        if (!fs.PoweredOff()) {
            // A stored action also survives a power failure right after it.
            fs.DropUnsynced();
            EXPECT_EQ(NaHerstel(admin.Dir()), na);
            EXPECT_GT(k, 3);
            return;
        }
        // The power went off at write k: what the disk keeps after recovery.
        fs.DropUnsynced();
        const Momentopname gevonden = NaHerstel(admin.Dir());
        ASSERT_TRUE(gevonden == voor || gevonden == na) << "k = " << k;
        beginstand();
    }
    FAIL() << "the action never completed";
}

INSTANTIATE_TEST_SUITE_P(Crash, PowerLoss, testing::Bool());
