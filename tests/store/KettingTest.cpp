// Chains with the head pair kept by the caller, on the rates of one room type.
#include <gtest/gtest.h>

#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvTarief.h"
#include "store/WinRsvTariefPnt.h"
#include "tests/store/StoreTestHulp.h"
#include "tests/support/TempAdmin.h"

namespace {

constexpr int32_t J = 2026;

class KettingTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(brlib::RsvLock()); }

    // The chain is handed to rate head 1 so that the check sees a whole room type.
    void TearDown() override
    {
        if (HasFailure()) {
            brlib::RsvAfbreken();
            return;
        }
        WIN_rsv_tariefpnt pnt{};
        pnt.eerste = eerste;
        pnt.laatste = laatste < 0 ? (Leden().empty() ? 0 : Leden().back()) : laatste;
        kop.Store(J, 1, pnt);
        brlib::RsvUnlock();
        EXPECT_EQ(Bevindingen(), "");
    }

    int32_t Nieuw()
    {
        const int32_t nr = tarief.GetFreeRecord(J);
        WIN_rsv_tarief rec = tarief.Record(J, nr);
        rec.kamerType = 1;
        rec.bedrag = nr * 10.0;
        tarief.Store(J, nr, rec);
        return nr;
    }

    // Members from eerste along the next links; checks each back link on the way.
    std::vector<int32_t> Leden()
    {
        std::vector<int32_t> leden;
        int32_t vorige = 0;
        for (int32_t nr = eerste; nr != 0 && leden.size() < 100; nr = tarief.Record(J, nr).volgende) {
            EXPECT_EQ(+tarief.Record(J, nr).vorige, vorige) << "record " << nr;
            leden.push_back(nr);
            vorige = nr;
        }
        return leden;
    }

    std::vector<int32_t> Ketting(std::initializer_list<int32_t> nrs)
    {
        for (int32_t nr : nrs)
            tarief.VoegAchterKetting(J, nr, 0, eerste, laatste);
        return Leden();
    }

    TempAdmin admin;
    RecordCache<WIN_rsv_tarief> tarief{Bestanden::Tarief, brlib::tfPerJaar, false, false};
    RecordCache<WIN_rsv_tariefpnt> kop{Bestanden::TariefPnt, brlib::tfPerJaar, false, false};
    int32_t eerste = 0;
    int32_t laatste = 0;
};

TEST_F(KettingTest, InsertsAtFrontAndBackAndKeepsTheTail)
{
    const int32_t a = Nieuw(), b = Nieuw(), c = Nieuw();
    tarief.VoegAchterKetting(J, b, 0, eerste, laatste);  // empty chain: as at the front
    EXPECT_EQ(eerste, b);
    EXPECT_EQ(laatste, b);
    tarief.VoegVoorKetting(J, a, 0, eerste, laatste);
    tarief.VoegAchterKetting(J, c, 0, eerste, laatste);
    EXPECT_EQ(Leden(), (std::vector<int32_t>{a, b, c}));
    EXPECT_EQ(laatste, c);
    EXPECT_EQ(+tarief.Record(J, c).bedrag, c * 10.0);  // other fields untouched
}

TEST_F(KettingTest, WithoutTailAppendingWalksToTheEndAndLeavesTheTailUnset)
{
    laatste = -1;
    const int32_t a = Nieuw(), b = Nieuw(), c = Nieuw();
    tarief.VoegVoorKetting(J, a, 0, eerste, laatste);
    EXPECT_EQ(laatste, -1);
    EXPECT_EQ(Ketting({b, c}), (std::vector<int32_t>{a, b, c}));
    EXPECT_EQ(laatste, -1);
}

TEST_F(KettingTest, TakesOutAtEveryPosition)
{
    const int32_t a = Nieuw(), b = Nieuw(), c = Nieuw(), d = Nieuw();
    Ketting({a, b, c, d});
    tarief.NeemUitKetting(J, b, 0, eerste, laatste);  // middle
    EXPECT_EQ(Leden(), (std::vector<int32_t>{a, c, d}));
    tarief.NeemUitKetting(J, a, 0, eerste, laatste);  // first: the second becomes first with vn 0
    EXPECT_EQ(Leden(), (std::vector<int32_t>{c, d}));
    tarief.NeemUitKetting(J, d, 0, eerste, laatste);  // last: the tail moves back
    EXPECT_EQ(laatste, c);
    tarief.NeemUitKetting(J, c, 0, eerste, laatste);  // only member
    EXPECT_EQ(eerste, 0);
    EXPECT_EQ(laatste, 0);
    for (int32_t nr : {a, b, c, d}) {
        EXPECT_EQ(+tarief.Record(J, nr).vorige, 0);
        EXPECT_EQ(+tarief.Record(J, nr).volgende, 0);
        tarief.FreeRecord(J, nr);
    }
}

TEST_F(KettingTest, TakingOutTheOnlyMemberOfAChainWithoutTailKeepsMinusOne)
{
    laatste = -1;
    const int32_t a = Nieuw();
    Ketting({a});
    tarief.NeemUitKetting(J, a, 0, eerste, laatste);
    EXPECT_EQ(eerste, 0);
    EXPECT_EQ(laatste, -1);
    tarief.FreeRecord(J, a);
}

TEST_F(KettingTest, UnrecordedBackLinkIsFoundFromTheFront)
{
    const int32_t a = Nieuw(), b = Nieuw(), c = Nieuw();
    Ketting({a, b, c});
    WIN_rsv_tarief rec = tarief.Record(J, b);
    rec.vorige = -1;
    tarief.Store(J, b, rec);
    tarief.NeemUitKetting(J, b, 0, eerste, laatste);
    EXPECT_EQ(+tarief.Record(J, a).volgende, c);
    EXPECT_EQ(+tarief.Record(J, c).vorige, b);  // left as it was: the chain keeps no back links
    rec = tarief.Record(J, c);
    rec.vorige = a;
    tarief.Store(J, c, rec);
    tarief.FreeRecord(J, b);
    EXPECT_EQ(Leden(), (std::vector<int32_t>{a, c}));
}

TEST_F(KettingTest, ReleasingAChainPutsItInFrontOfTheFreeListInChainOrder)
{
    int32_t leeg = 0, geenStaart = 0;
    tarief.VerwijderKetting(J, 0, leeg, geenStaart);  // empty: nothing at all
    const int32_t a = Nieuw(), b = Nieuw(), c = Nieuw(), los = Nieuw();
    tarief.FreeRecord(J, los);
    Ketting({c, a, b});
    tarief.VerwijderKetting(J, 0, eerste, laatste);
    EXPECT_EQ(eerste, 0);
    EXPECT_EQ(laatste, 0);
    std::vector<int32_t> hergebruikt;
    for (int i = 0; i < 4; ++i) {
        hergebruikt.push_back(tarief.GetFreeRecord(J));
        const WIN_rsv_tarief leegRec{};
        EXPECT_EQ(std::memcmp(&tarief.Record(J, hergebruikt.back()), &leegRec, sizeof leegRec), 0);
    }
    EXPECT_EQ(hergebruikt, (std::vector<int32_t>{c, a, b, los}));
    for (int32_t nr : hergebruikt)
        tarief.FreeRecord(J, nr);
}

TEST_F(KettingTest, ReleasingAChainWithoutTailLeavesMinusOne)
{
    laatste = -1;
    Ketting({Nieuw(), Nieuw()});
    tarief.VerwijderKetting(J, 0, eerste, laatste);
    EXPECT_EQ(eerste, 0);
    EXPECT_EQ(laatste, -1);
}

TEST_F(KettingTest, FirstConsistencyErrorTellsTheFileAndLeavesTheRecordUnlinked)
{
    const int32_t a = Nieuw(), b = Nieuw(), c = Nieuw();
    Ketting({a, b, c});
    WIN_rsv_tarief rec = tarief.Record(J, b);
    rec.vorige = 0;  // claims to be first, but is not
    tarief.Store(J, b, rec);
    try {
        tarief.NeemUitKetting(J, b, 0, eerste, laatste);
        FAIL() << "no error";
    } catch (const EBrRuntime& e) {
        EXPECT_EQ(e.Message(), QString("vn is 0 terwijl eerste ongelijk aan recnr is!Bestand: rsv_tarief.dat eerste = %1 "
                                       "recnr = %2").arg(a).arg(b));
        EXPECT_EQ(e.Location(), "RecordCache<tp_Rec>::NeemUitKetting(int,long,int,long,long)");
    }
    EXPECT_EQ(+tarief.Record(J, b).volgende, 0);
    EXPECT_EQ(+tarief.Record(J, b).vorige, 0);
    EXPECT_EQ(eerste, a);
    EXPECT_EQ(laatste, c);
    brlib::RsvAfbreken();
    ASSERT_TRUE(brlib::RsvLock());
    eerste = laatste = 0;
}

TEST_F(KettingTest, SecondConsistencyErrorComesAfterTheHeadMovedOn)
{
    const int32_t a = Nieuw(), b = Nieuw();
    Ketting({a, b});
    int32_t verkeerdeStaart = b + 7;
    int32_t kopEerste = a;
    WIN_rsv_tarief rec = tarief.Record(J, a);
    rec.volgende = 0;  // a now looks last, but the tail says otherwise
    tarief.Store(J, a, rec);
    try {
        tarief.NeemUitKetting(J, a, 0, kopEerste, verkeerdeStaart);
        FAIL() << "no error";
    } catch (const EBrRuntime& e) {
        EXPECT_EQ(e.Message(),
                  QString("an is 0 terwijl laatste ongelijk aan recnr is!Bestand: rsv_tarief.dat eerste = 0 recnr = %1")
                      .arg(a));
    }
    EXPECT_EQ(kopEerste, 0);
    EXPECT_EQ(verkeerdeStaart, b + 7);
    brlib::RsvAfbreken();
    ASSERT_TRUE(brlib::RsvLock());
    eerste = laatste = 0;
}

TEST_F(KettingTest, ACycleEndsTheWalkWithAnError)
{
    const int32_t a = Nieuw(), b = Nieuw();
    Ketting({a, b});
    WIN_rsv_tarief rec = tarief.Record(J, b);
    rec.volgende = a;
    tarief.Store(J, b, rec);
    int32_t geenStaart = -1;
    EXPECT_THROW(tarief.VoegAchterKetting(J, Nieuw(), 0, eerste, geenStaart), EBrRuntime);
    EXPECT_THROW(tarief.VerwijderKetting(J, 0, eerste, laatste), EBrRuntime);
    brlib::RsvAfbreken();
    ASSERT_TRUE(brlib::RsvLock());
    eerste = laatste = 0;
}

}  // namespace
