// Pre-registrations come per reservation in the order they were added, each
// with its room, lines and relation; the status texts and the year's count are
// what the overview and the board number and describe reservations by.

#include "host/brlib/ResStatus.h"
#include "host/brlib/VoorRegistratie.h"
#include "host/records/Locks.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvVoorReg.h"
#include "tests/host/brlib/ResLeesTest.h"

using namespace brlib;

using VoorRegistratieTest = ResLeesTest;

TEST_F(VoorRegistratieTest, ListsTheReservationsOwnEntriesInChainOrder)
{
    const TDateTime maandag = EncodeDate(2026, 3, 9);
    const JaarNr eerste = Boek(Res(maandag, 2, {101, 102}));
    const JaarNr tweede = Boek(Res(maandag, 2, {103}));
    VoorRegistreer(eerste, 102, {"Jansen", "Piet"}, 17, 4);
    VoorRegistreer(tweede, 103, {"Vos"});
    VoorRegistreer(eerste, 101, {"De Wit"});

    std::vector<stVoorReg> lijst{stVoorReg{}};
    RsvGetVoorRegistratie(eerste, lijst);
    ASSERT_EQ(lijst.size(), 2u);
    EXPECT_EQ(lijst[0].kamerNr, 102);
    EXPECT_EQ(lijst[0].regels, QStringList({"Jansen", "Piet"}));
    EXPECT_EQ(lijst[0].relatieNr, 17);
    EXPECT_EQ(lijst[0].relatieSleutel, 4);
    EXPECT_GT(lijst[0].recNr, 1);
    EXPECT_EQ(lijst[1].kamerNr, 101);
    EXPECT_EQ(lijst[1].regels, QStringList({"De Wit"}));

    RsvGetVoorRegistratie(tweede, lijst);
    ASSERT_EQ(lijst.size(), 1u);
    EXPECT_EQ(lijst[0].regels, QStringList({"Vos"}));
}

TEST_F(VoorRegistratieTest, NoneForAReservationWithoutEntriesOrWithoutHeader)
{
    const JaarNr res = Boek(Res(EncodeDate(2026, 3, 9), 1, {101}));
    std::vector<stVoorReg> lijst{stVoorReg{}};
    RsvGetVoorRegistratie(res, lijst);
    EXPECT_TRUE(lijst.empty());
    lijst.resize(1);
    RsvGetVoorRegistratie(JaarNr(2026, res.nr + 1), lijst);
    EXPECT_TRUE(lijst.empty());
    lijst.resize(1);
    RsvGetVoorRegistratie(JaarNr(2031, 1), lijst);
    EXPECT_TRUE(lijst.empty());
}

TEST_F(VoorRegistratieTest, AChainThatRunsInACircleRaisesInsteadOfHanging)
{
    const JaarNr res = Boek(Res(EncodeDate(2026, 3, 9), 1, {101, 102}));
    VoorRegistreer(res, 101, {"A"});
    VoorRegistreer(res, 102, {"B"});
    beschadigd_ = true;
    Beschadig([&] {
        RecordCache<WIN_rsv_voorreg> cache(Bestanden::VoorReg, tfPerJaar, false, false);
        WIN_rsv_voorreg laatste = cache.Record(res.jaar, 3);
        laatste.volgende = 2;
        cache.Store(res.jaar, 3, laatste);
    });
    std::vector<stVoorReg> lijst;
    EXPECT_THROW(RsvGetVoorRegistratie(res, lijst), EBrRuntime);
}

TEST_F(VoorRegistratieTest, ReservationsAreCountedPerYear)
{
    EXPECT_EQ(GetReserveringCount(2026), 0);
    Boek(Res(EncodeDate(2026, 3, 9), 1, {101}));
    Boek(Res(EncodeDate(2026, 5, 1), 1, {101}));
    Boek(Res(EncodeDate(2027, 1, 4), 1, {101}));
    EXPECT_EQ(GetReserveringCount(2026), 2);
    EXPECT_EQ(GetReserveringCount(2027), 1);
    EXPECT_EQ(GetReserveringCount(2025), 0);
}

TEST(ResStatus, EveryStoredStateHasItsOwnText)
{
    EXPECT_EQ(RsvGetStatusOmschr(0), QStringLiteral("Openstaand"));
    EXPECT_EQ(RsvGetStatusOmschr(1), QStringLiteral("Ingechecked"));
    EXPECT_EQ(RsvGetStatusOmschr(2), QStringLiteral("Uitgechecked"));
    EXPECT_EQ(RsvGetStatusOmschr(99), QStringLiteral("Geannuleerd"));
    EXPECT_EQ(RsvGetStatusOmschr(rsGeannuleerd), QStringLiteral("Geannuleerd"));
    EXPECT_EQ(RsvGetStatusOmschr(7), QStringLiteral("Onbekend"));
}
