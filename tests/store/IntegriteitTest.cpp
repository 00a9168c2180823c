// The integrity check and rsvcheck on clean and on damaged administrations.
#include <bit>
#include <gtest/gtest.h>
#include <QProcess>

#include "host/records/Locks.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvInCheck.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvResRgl.h"
#include "tests/store/ReserveringSchrijven.h"
#include "tests/store/StoreTestHulp.h"
#include "tests/support/TempAdmin.h"

namespace {

constexpr int32_t J = 2026;

class IntegriteitTest : public testing::Test {
protected:
    int32_t Boek(TDateTime begin, int32_t kamer, int nachten = 3)
    {
        EXPECT_TRUE(brlib::RsvLock());
        const int32_t nr = SchrijfReservering(begin, kamer, nachten);
        brlib::RsvUnlock();
        return nr;
    }

    // Overwrites a field of a committed record on disk, as damage would.
    void Beschadig(const char* naam, int32_t nr, int recordGrootte, int offset, int32_t waarde)
    {
        QFile f(brlib::RecordPad(admin.Dir(), naam, brlib::tfPerJaar, J));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.seek(int64_t(nr - 1) * recordGrootte + offset));
        f.write(reinterpret_cast<const char*>(&waarde), sizeof waarde);
    }

    std::pair<int, QString> RsvCheck()
    {
        QProcess p;
        p.start(ProgrammaMap() + "/rsvcheck", {admin.Dir()});
        EXPECT_TRUE(p.waitForFinished(30000)) << p.errorString().toStdString();
        return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput())};
    }

    TempAdmin admin;
};

TEST_F(IntegriteitTest, CleanAdministrationPassesAndRsvcheckSaysOk)
{
    Boek(EncodeDate(J, 3, 10), 101);
    Boek(EncodeDate(J, 3, 13), 101);  // arrives on the other's departure day
    Boek(EncodeDate(J, 3, 10), 201);  // same day pointers, other rooms
    EXPECT_EQ(Bevindingen(), "");
    EXPECT_EQ(RsvCheck(), std::make_pair(0, QString("OK\n")));
}

TEST_F(IntegriteitTest, OverlappingLinesOfOneRoomAreReported)
{
    Boek(EncodeDate(J, 3, 10), 101);
    Boek(EncodeDate(J, 3, 12), 102);  // room 102 is also the second line of the first
    EXPECT_TRUE(Bevindingen().contains("rsv_resrgl.dat, jaar 2026, record 4: kamer 102 is dubbel geboekt"))
        << Bevindingen().toStdString();
}

TEST_F(IntegriteitTest, LinkPastTheEndIsReportedWithFileYearAndRecord)
{
    Boek(EncodeDate(J, 3, 10), 101);
    Beschadig(Bestanden::ResRgl, 3, sizeof(WIN_rsv_res_rgl), 92, 5000);
    const QString bevindingen = Bevindingen();
    EXPECT_TRUE(bevindingen.contains("rsv_resrgl.dat, jaar 2026, record 3: verwijst naar record 5000 buiten"))
        << bevindingen.toStdString();
    const auto [code, uitvoer] = RsvCheck();
    EXPECT_EQ(code, 1);
    EXPECT_EQ(uitvoer.trimmed(), bevindingen);
}

TEST_F(IntegriteitTest, CycleIsReportedNotFollowed)
{
    Boek(EncodeDate(J, 3, 10), 101);
    Beschadig(Bestanden::ResRgl, 3, sizeof(WIN_rsv_res_rgl), 84, 2);  // second line points back to the first
    EXPECT_TRUE(Bevindingen().contains("record 2: de ketting van reservering 1 komt hier een tweede keer (lus)"))
        << Bevindingen().toStdString();
}

TEST_F(IntegriteitTest, TruncatedFileIsReported)
{
    Boek(EncodeDate(J, 3, 10), 101);
    QFile f(brlib::RecordPad(admin.Dir(), Bestanden::ResRgl, brlib::tfPerJaar, J));
    ASSERT_TRUE(f.resize(f.size() - 10));
    const QString bevindingen = Bevindingen();
    EXPECT_TRUE(bevindingen.contains("rsv_resrgl.dat, jaar 2026: bestand is afgekapt")) << bevindingen.toStdString();
    EXPECT_TRUE(bevindingen.contains("buiten rsv_resrgl.dat")) << bevindingen.toStdString();
}

TEST_F(IntegriteitTest, LineMissingFromItsDayAndHeaderWithoutDayAreReported)
{
    Boek(EncodeDate(J, 3, 10), 101);
    const int dag = DagNr(EncodeDate(J, 3, 10));
    Beschadig(Bestanden::DagRgl, dag, 50, 2, 3);  // the day now starts at the second line
    Beschadig(Bestanden::ResRgl, 3, sizeof(WIN_rsv_res_rgl), 88, 0);
    Beschadig(Bestanden::DagHfd, dag, 50, 2, 0);
    Beschadig(Bestanden::DagHfd, dag, 50, 6, 0);
    const QString bevindingen = Bevindingen();
    EXPECT_TRUE(bevindingen.contains("record 2: is niet vrij en staat niet onder de dagpointer van zijn begindag"))
        << bevindingen.toStdString();
    EXPECT_TRUE(bevindingen.contains("rsv_reshfd.dat, jaar 2026, record 1: staat niet onder de dagpointer"))
        << bevindingen.toStdString();
}

TEST_F(IntegriteitTest, DirtyFreeRecordAndGroupWithoutMemberAreReported)
{
    Boek(EncodeDate(J, 3, 10), 101);
    ASSERT_TRUE(brlib::RsvLock());
    RecordCache<WIN_rsv_res_rgl> rgl(Bestanden::ResRgl, brlib::tfPerJaar, false, false);
    const int32_t vrij = rgl.GetFreeRecord(J);
    rgl.FreeRecord(J, vrij);
    brlib::RsvUnlock();
    Beschadig(Bestanden::ResRgl, vrij, sizeof(WIN_rsv_res_rgl), 14, 101);
    Beschadig(Bestanden::ResHfd, 1, sizeof(WIN_rsv_res_hfd), 97, 4);
    const QString bevindingen = Bevindingen();
    EXPECT_TRUE(bevindingen.contains(QString("record %1: staat in de vrije lijst maar is niet leeg").arg(vrij)))
        << bevindingen.toStdString();
    EXPECT_TRUE(bevindingen.contains("rsv_reshfd.dat, jaar 2026, record 1: hoort bij groep 4 maar heeft 0 lidrecords"))
        << bevindingen.toStdString();
}

TEST_F(IntegriteitTest, ChainsWithoutBackLinksAreSound)
{
    Boek(EncodeDate(J, 3, 10), 101);
    for (int offset : {80, 88})  // the back links of both chains of the second line
        Beschadig(Bestanden::ResRgl, 3, sizeof(WIN_rsv_res_rgl), offset, -1);
    EXPECT_EQ(Bevindingen().toStdString(), "");
}

TEST_F(IntegriteitTest, LinesAreCheckedAgainstTheirYearAndTheirCheckIn)
{
    const int32_t eerste = Boek(EncodeDate(J, 3, 10), 101);  // lines 2 and 3
    const int32_t tweede = Boek(EncodeDate(J, 4, 10), 101);  // lines 4 and 5
    constexpr int kInCheck = sizeof(WIN_rsv_incheck);
    Beschadig(Bestanden::InCheck, 1, kInCheck, 0, eerste);   // check-in 1: line 2
    Beschadig(Bestanden::InCheck, 1, kInCheck, 4, 2);
    Beschadig(Bestanden::InCheck, 2, kInCheck, 0, tweede);   // check-in 2: line 4, cancelled
    Beschadig(Bestanden::InCheck, 2, kInCheck, 4, 4);
    Beschadig(Bestanden::InCheck, 2, kInCheck, 38, 1);
    Beschadig(Bestanden::InCheck, 2, kInCheck, kInCheck - 4, 0);  // the file ends with a whole record
    const std::pair<int32_t, int32_t> koppelingen[] = {{2, 1}, {3, 2}, {4, 2}, {5, 9}};
    for (const auto& [regel, inCheck] : koppelingen)
        Beschadig(Bestanden::ResRgl, regel, sizeof(WIN_rsv_res_rgl), 96, inCheck);
    WIN_rsv_res_rgl volgendJaar{};  // the same days of the year, one year on
    volgendJaar.ZetBeginDatum(EncodeDate(J + 1, 3, 10));
    volgendJaar.ZetEindDatum(EncodeDate(J + 1, 3, 13));
    Beschadig(Bestanden::ResRgl, 2, sizeof(WIN_rsv_res_rgl), 4, std::bit_cast<int32_t>(volgendJaar.beginDatum));
    Beschadig(Bestanden::ResRgl, 2, sizeof(WIN_rsv_res_rgl), 8, std::bit_cast<int32_t>(volgendJaar.eindDatum));

    const QString r = "rsv_resrgl.dat, jaar 2026, record ";
    EXPECT_EQ(Bevindingen().toStdString(),
              (r + "2: begindatum ligt niet in het jaar van zijn reservering\n" +
               r + "3: incheck 2 hoort bij reservering 2, de regel bij reservering 1\n" +
               r + "4: incheck 2 van de regel is geannuleerd\n" +
               r + "5: incheck verwijst naar record 9 buiten rsv_incheck.dat (2 records)").toStdString());
}

}  // namespace
