// rsvcheck --repair: each repairable kind of damage ends clean with the
// damaged file copied aside first; what cannot be repaired stays reported.
#include <gtest/gtest.h>
#include <QDir>
#include <QProcess>

#include "host/records/FileSystem.h"
#include "host/records/Journal.h"
#include "host/records/Locks.h"
#include "host/records/UpdateCount.h"
#include "store/Bestanden.h"
#include "store/Herstel.h"
#include "store/RecordCache.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvResRgl.h"
#include "tests/store/ReserveringSchrijven.h"
#include "tests/store/StoreTestHulp.h"
#include "tests/support/TempAdmin.h"

namespace {

constexpr int32_t J = 2026;
constexpr int kRgl = sizeof(WIN_rsv_res_rgl);

class HerstelTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(brlib::RsvLock());
        SchrijfReservering(EncodeDate(J, 3, 10), 101);
        SchrijfReservering(EncodeDate(J, 3, 10), 201);  // same day chains
        brlib::RsvUnlock();
        ASSERT_EQ(Bevindingen(), "");
    }

    QString Pad(const char* naam) const { return brlib::RecordPad(admin.Dir(), naam, brlib::tfPerJaar, J); }

    void Schrijf(const QString& pad, int64_t offset, const QByteArray& bytes)
    {
        QFile f(pad);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(offset));
        f.write(bytes);
    }

    void SchrijfInt(const char* naam, int64_t offset, int32_t waarde)
    {
        Schrijf(Pad(naam), offset, QByteArray(reinterpret_cast<const char*>(&waarde), sizeof waarde));
    }

    // Repairs, expects a clean administration and the copy of `bestand` as it was damaged.
    HerstelUitkomst HerstelSchoon(const QString& bestand)
    {
        const QByteArray beschadigd = Lees(bestand);
        HerstelUitkomst uit = HerstelAdministratie();
        EXPECT_TRUE(uit.slot);
        EXPECT_TRUE(uit.over.empty()) << Bevindingen().toStdString();
        EXPECT_EQ(Bevindingen(), "");
        EXPECT_TRUE(QFileInfo(uit.reservekopie).fileName().startsWith("herstel-")) << uit.reservekopie.toStdString();
        EXPECT_EQ(Lees(QDir(uit.reservekopie).filePath(QDir(admin.Dir()).relativeFilePath(bestand))), beschadigd);
        return uit;
    }

    static QByteArray Lees(const QString& pad)
    {
        QFile f(pad);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(ontbreekt)");
    }

    TempAdmin admin;
};

TEST_F(HerstelTest, FreeListThroughALiveLineIsRebuiltAndALeakedEmptyLineJoinsIt)
{
    SchrijfInt(Bestanden::ResRgl, offsetof(WIN_rsv_res_rgl, volgende), 3);  // head of the free list -> live line
    Schrijf(Pad(Bestanden::ResRgl), 5 * kRgl, QByteArray(kRgl, 0));          // record 6: empty, in no list
    ASSERT_NE(Bevindingen(), "");
    const HerstelUitkomst uit = HerstelSchoon(Pad(Bestanden::ResRgl));
    EXPECT_TRUE(uit.hersteld.join("\n").contains("vrije lijst opnieuw opgebouwd (1 vrije records)"))
        << uit.hersteld.join("\n").toStdString();

    ASSERT_TRUE(brlib::RsvLock());  // the repaired list hands out the leaked record
    RecordCache<WIN_rsv_res_rgl> rgl(Bestanden::ResRgl, brlib::tfPerJaar, false, false);
    EXPECT_EQ(rgl.GetFreeRecord(J), 6);
    brlib::RsvAfbreken();
}

TEST_F(HerstelTest, DayChainBackLinksAndLastMemberAreSetFromTheForwardLinks)
{
    const int32_t dag = DagNr(EncodeDate(J, 3, 10));
    SchrijfInt(Bestanden::ResRgl, 3 * kRgl + offsetof(WIN_rsv_res_rgl, vorigeDag), 77);
    SchrijfInt(Bestanden::DagRgl, (dag - 1) * int64_t(sizeof(WIN_rsv_dagnr_rgl_pnt)) +
                                      offsetof(WIN_rsv_dagnr_rgl_pnt, laatste), 2);
    ASSERT_NE(Bevindingen(), "");
    const int32_t teller = brlib::RsvGetUpdateCount();
    HerstelSchoon(Pad(Bestanden::DagRgl));
    EXPECT_GT(brlib::RsvGetUpdateCount(), teller);  // boards on other workstations read again
}

TEST_F(HerstelTest, TornUpdateCountIsCutBackToItsCount)
{
    const QString upd = admin.Pad("rsv.upd");
    Schrijf(upd, 4, "xy");
    HerstelSchoon(upd);
    EXPECT_EQ(QFileInfo(upd).size(), 4);
}

TEST_F(HerstelTest, JournalOfACrashedWorkstationIsFinishedAfterACopy)
{
    const QString rgl = Pad(Bestanden::ResRgl);
    const QByteArray heel = Lees(rgl);
    brlib::JournalEntry actie;
    actie.files.push_back({QDir(admin.Dir()).relativeFilePath(rgl), true, heel.size(), {{kRgl, heel.mid(kRgl, kRgl)}}});
    QFile journaal(brlib::JournalPath(admin.Dir()));
    ASSERT_TRUE(journaal.open(QIODevice::WriteOnly));
    journaal.write(brlib::EncodeJournalHeader(3) + brlib::EncodeJournalEntry(3, actie));
    journaal.close();
    Schrijf(rgl, kRgl, QByteArray(kRgl, '\x55'));  // the crash came halfway through the data
    ASSERT_EQ(JournaalBevindingen().size(), 1u);

    const HerstelUitkomst uit = HerstelSchoon(rgl);
    EXPECT_EQ(Lees(rgl), heel);
    EXPECT_TRUE(QFileInfo::exists(QDir(uit.reservekopie).filePath("rsv.journal")));
    EXPECT_TRUE(JournaalBevindingen().empty());
}

TEST_F(HerstelTest, BrokenForwardLinkIsReportedWithAdviceAndNothingIsCopied)
{
    SchrijfInt(Bestanden::ResRgl, 2 * kRgl + offsetof(WIN_rsv_res_rgl, volgende), 5000);
    const QByteArray voor = Lees(Pad(Bestanden::ResRgl));
    QProcess p;
    p.start(ProgrammaMap() + "/rsvcheck", {"--repair", admin.Dir()});
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString uitvoer = QString::fromLocal8Bit(p.readAllStandardOutput());
    EXPECT_EQ(p.exitCode(), 1) << uitvoer.toStdString();
    EXPECT_TRUE(uitvoer.contains("record 3: verwijst naar record 5000")) << uitvoer.toStdString();
    EXPECT_TRUE(uitvoer.contains("-> niet zonder gissen te herstellen")) << uitvoer.toStdString();
    EXPECT_FALSE(uitvoer.contains("Reservekopie")) << uitvoer.toStdString();
    EXPECT_EQ(Lees(Pad(Bestanden::ResRgl)), voor);
}

TEST_F(HerstelTest, LockHeldElsewhereRepairsNothing)
{
    const auto ander = admin.Second();
    ASSERT_TRUE(ander->Lock({brlib::Werkstation::kActionLock}));
    EXPECT_FALSE(HerstelAdministratie().slot);
    ander->Unlock({brlib::Werkstation::kActionLock});
}

}  // namespace
