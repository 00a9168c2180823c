// The free list, the head-record forms and traversal, on single files and per year.
#include <gtest/gtest.h>

#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvGroepHfd.h"
#include "store/WinRsvGroepSub.h"
#include "store/WinRsvPeriode.h"
#include "tests/store/StoreTestHulp.h"
#include "tests/support/TempAdmin.h"

namespace {

class VrijeLijstTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(brlib::RsvLock()); }
    void TearDown() override
    {
        if (HasFailure()) {
            brlib::RsvAfbreken();
            return;
        }
        brlib::RsvUnlock();
        EXPECT_EQ(Bevindingen(), "");
    }

    // A member of group g for reservation nr of 2026, appended to the group's chain.
    int32_t Lid(int32_t g, int32_t resNr)
    {
        const int32_t nr = sub.GetFreeRecord();
        WIN_rsv_groep_sub rec = sub.Record(nr);
        rec.groepNr = g;
        rec.jaar = 2026;
        rec.resNr = resNr;
        sub.Store(nr, rec);
        sub.VoegAchterKetting(nr, 0, hfd, g, 0);
        return nr;
    }

    bool IsLeeg(int32_t nr)
    {
        const WIN_rsv_groep_sub leeg{};
        return std::memcmp(&sub.Record(nr), &leeg, sizeof leeg) == 0;
    }

    TempAdmin admin;
    RecordCache<WIN_rsv_groep_sub> sub{Bestanden::GroepSub, brlib::tfEenBestand, false, false};
    RecordCache<WIN_rsv_groep_hfd> hfd{Bestanden::GroepHfd, brlib::tfEenBestand, false, false};
};

TEST_F(VrijeLijstTest, FirstFreeRecordOfANewFileIsTwoAfterAZeroHeader)
{
    EXPECT_EQ(sub.GetFreeRecord(), 2);
    EXPECT_EQ(sub.RecordCount(), 2);
    EXPECT_TRUE(IsLeeg(1));
    EXPECT_TRUE(IsLeeg(2));
    sub.FreeRecord(2);
}

TEST_F(VrijeLijstTest, LastFreedIsFirstReusedAndComesBackZeroed)
{
    for (int i = 0; i < 6; ++i)
        sub.GetFreeRecord();
    WIN_rsv_groep_sub vol{};
    vol.groepNr = 9;
    vol.resNr = 99;
    sub.Store(5, vol);
    sub.Store(7, vol);
    sub.FreeRecord(5);
    sub.FreeRecord(7);
    EXPECT_EQ(sub.Record(7).GetVrijeLijst(), 5);
    EXPECT_EQ(sub.GetFreeRecord(), 7);
    EXPECT_TRUE(IsLeeg(7));
    EXPECT_EQ(sub.GetFreeRecord(), 5);
    EXPECT_TRUE(IsLeeg(5));
    EXPECT_EQ(sub.GetFreeRecord(), 8);
    for (int32_t nr = 2; nr <= 8; ++nr)
        sub.FreeRecord(nr);
}

TEST_F(VrijeLijstTest, FilesWithoutFreeListGrowAndZeroInPlace)
{
    RecordCache<WIN_rsv_periode> periode{Bestanden::Periode, brlib::tfPerJaar, false, false};
    WIN_rsv_periode p{};
    p.recNr = 1;
    p.ZetBeginDatum(EncodeDate(2026, 1, 1));
    EXPECT_EQ(periode.GetFreeRecord(2026), 1);
    EXPECT_EQ(periode.RecordCount(2026), 0);  // nothing written
    periode.Store(2026, 1, p);
    periode.FreeRecord(2026, 1);
    EXPECT_EQ(+periode.Record(2026, 1).recNr, 0);
    EXPECT_EQ(periode.GetFreeRecord(2026), 2);
}

TEST_F(VrijeLijstTest, HeadRecordKeepsTheChainAndTraversalFollowsIt)
{
    const int32_t a = Lid(1, 10), b = Lid(1, 11), c = Lid(1, 12);
    EXPECT_EQ(+hfd.Record(1).eerste, a);
    EXPECT_EQ(+hfd.Record(1).laatste, c);
    WIN_rsv_groep_sub rec{};
    std::vector<int32_t> resNrs;
    for (int32_t nr = sub.EersteRecord(rec, hfd, 1, 0); nr != 0; nr = sub.NextRecord(0, rec))
        resNrs.push_back(+rec.resNr);
    EXPECT_EQ(resNrs, (std::vector<int32_t>{10, 11, 12}));
    sub.NeemUitKetting(a, 0, hfd, 1, 0);
    sub.FreeRecord(a);
    EXPECT_EQ(+hfd.Record(1).eerste, b);
    sub.VerwijderKetting(0, hfd, 1, 0);
    EXPECT_EQ(+hfd.Record(1).eerste, 0);
    EXPECT_EQ(+hfd.Record(1).laatste, 0);
    EXPECT_EQ(sub.GetFreeRecord(), b);
    sub.FreeRecord(b);
}

TEST_F(VrijeLijstTest, HeadRecordIsWrittenOnlyWhenItsPairChanges)
{
    const int32_t a = Lid(1, 10), b = Lid(1, 11), c = sub.GetFreeRecord();
    WIN_rsv_groep_hfd kop = hfd.Record(1);
    kop.laatste = -1;  // keeps no tail, so only a new first member changes it
    hfd.Store(1, kop);
    RecordCache<WIN_rsv_groep_hfd> alleenLezen{Bestanden::GroepHfd, brlib::tfEenBestand, true, true};
    EXPECT_NO_THROW(sub.VoegAchterKetting(c, 0, alleenLezen, 1, 0));
    EXPECT_NO_THROW(sub.NeemUitKetting(b, 0, alleenLezen, 1, 0));
    EXPECT_THROW(sub.NeemUitKetting(a, 0, alleenLezen, 1, 0), EBrRuntime);  // the store is refused
    brlib::RsvAfbreken();
    ASSERT_TRUE(brlib::RsvLock());
}

TEST_F(VrijeLijstTest, EmptyHeadGivesNoFirstRecord)
{
    hfd.Store(1, WIN_rsv_groep_hfd{});
    WIN_rsv_groep_sub rec{};
    rec.resNr = 42;
    EXPECT_EQ(sub.EersteRecord(rec, hfd, 1, 0), 0);
    EXPECT_EQ(+rec.resNr, 42);
}

TEST_F(VrijeLijstTest, SingleFileErrorHasTheBareTextAndTheHeadIsNotRewritten)
{
    const int32_t a = Lid(1, 10), b = Lid(1, 11);
    WIN_rsv_groep_sub rec = sub.Record(b);
    rec.vorige = 0;
    sub.Store(b, rec);
    try {
        sub.NeemUitKetting(b, 0, hfd, 1, 0);
        FAIL() << "no error";
    } catch (const EBrRuntime& e) {
        EXPECT_EQ(e.Message(), "vn is 0 terwijl eerste ongelijk aan recnr is!");
        EXPECT_EQ(e.Location(), "RecordCache<tp_Rec>::NeemUitKetting(long,int,long,long)");
    }
    EXPECT_EQ(+hfd.Record(1).eerste, a);
    EXPECT_EQ(+hfd.Record(1).laatste, b);
    brlib::RsvAfbreken();
    ASSERT_TRUE(brlib::RsvLock());
}

TEST_F(VrijeLijstTest, ALinkPastTheEndRaisesInsteadOfCrashing)
{
    const int32_t a = Lid(1, 10);
    WIN_rsv_groep_sub rec = sub.Record(a);
    rec.volgende = 5000;
    EXPECT_THROW(sub.NextRecord(0, rec), EBrRuntime);
    brlib::RsvAfbreken();
    ASSERT_TRUE(brlib::RsvLock());
}

}  // namespace
