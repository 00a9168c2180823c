// The board opens the check-in of a room by its check-in number: the line that
// holds it, with its reservation and persons.

#include "host/brlib/ReserveringAccess.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResRgl.h"
#include "tests/host/brlib/ResLeesTest.h"

using namespace brlib;

using ReserveringAccessTest = ResLeesTest;

TEST_F(ReserveringAccessTest, FindsTheLineOfACheckIn)
{
    const TDateTime maandag = EncodeDate(2026, 3, 9);
    Boek(Res(maandag, 1, {201}));
    const JaarNr res = Boek(Res(maandag, 2, {101, 102}));
    const int32_t tweede = RegelNummers(res)[1];
    const JaarNr inCheck = CheckIn(res, tweede, {maandag + 0.5, false, 0, JaarNr(2026, 9), true, {{"Vos", "Els"}}});

    stRes regel;
    ASSERT_TRUE(ReserveringAccess::LeesResOpIncheck(inCheck, regel));
    EXPECT_EQ(regel.regelNr, tweede);
    EXPECT_EQ(regel.resSleutel, res);
    EXPECT_EQ(regel.kamerNr, 102);
    EXPECT_EQ(regel.inCheck.sleutel, inCheck);
    EXPECT_EQ(regel.inCheck.kassaRegistratie, JaarNr(2026, 9));
    ASSERT_EQ(regel.inCheck.personen.size(), 1u);
    EXPECT_EQ(regel.inCheck.personen[0].waarden, QStringList({"Vos", "Els"}));

    EXPECT_FALSE(ReserveringAccess::LeesResOpIncheck(JaarNr(2026, inCheck.nr + 1), regel));
    EXPECT_FALSE(ReserveringAccess::LeesResOpIncheck(JaarNr(2025, inCheck.nr), regel));
    EXPECT_FALSE(ReserveringAccess::LeesResOpIncheck(JaarNr(), regel));
    EXPECT_EQ(regel.regelNr, tweede);
}

TEST_F(ReserveringAccessTest, NoneWhenTheLineNoLongerHoldsTheCheckIn)
{
    const TDateTime maandag = EncodeDate(2026, 3, 9);
    const JaarNr res = Boek(Res(maandag, 2, {101}));
    const int32_t nr = RegelNummers(res)[0];
    const JaarNr inCheck = CheckIn(res, nr, {maandag + 0.5, false, 0, {}, false, {}});
    Beschadig([&] {
        RecordCache<WIN_rsv_res_rgl> rgl(Bestanden::ResRgl, tfPerJaar, false, false);
        WIN_rsv_res_rgl rcd = rgl.Record(res.jaar, nr);
        rcd.inCheckNr = 0;
        rgl.Store(res.jaar, nr, rcd);
    });
    stRes regel;
    EXPECT_FALSE(ReserveringAccess::LeesResOpIncheck(inCheck, regel));
}
