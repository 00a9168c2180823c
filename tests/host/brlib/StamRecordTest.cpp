// The wrappers build the records other workstations read: fields must survive
// the round trip and every build must carry a stamp that differs from before.

#include <gtest/gtest.h>

#include "host/brlib/TariefSoort.h"

using brlib::stTariefSoort;

TEST(StamRecord, TariefSoortRoundTripKeepsEveryFieldAndRenewsTheStamp)
{
    stTariefSoort soort;
    soort.recNr = 4;
    soort.stempel = 100;
    soort.code = QStringLiteral("Weekend");
    soort.omschr = QStringLiteral("Vrijdag en zaterdag");
    soort.weekDagen[5] = soort.weekDagen[6] = true;

    const WIN_rsv_tariefsoort rcd = soort.GetRcd();
    const int32_t stempel = rcd.stempel;  // copies: packed fields cannot be bound by reference
    EXPECT_NE(int{rcd.inGebruik}, 0);
    EXPECT_GT(stempel, 100);
    const stTariefSoort terug = stTariefSoort::UitRecord(4, rcd);
    EXPECT_EQ(terug.code, soort.code);
    EXPECT_EQ(terug.omschr, soort.omschr);
    EXPECT_EQ(terug.weekDagen, soort.weekDagen);
    EXPECT_EQ(terug.aantalDagen, 0);
    EXPECT_EQ(terug.stempel, stempel);
}

TEST(StamRecord, StampsDifferEvenWithinOneSecondAndPastAClockAheadOfUs)
{
    stTariefSoort soort = stTariefSoort::Standaard();
    const int32_t eerste = soort.GetRcd().stempel;
    soort.stempel = eerste;
    EXPECT_EQ(int32_t{soort.GetRcd().stempel}, eerste + 1);
    soort.stempel = 2'000'000'000;  // written by a workstation whose clock runs far ahead
    EXPECT_EQ(int32_t{soort.GetRcd().stempel}, 2'000'000'001);
}


TEST(StamRecord, KindTextsAndWeekdaysSundayFirst)
{
    stTariefSoort soort;
    soort.aantalDagen = 1;
    EXPECT_EQ(soort.GetSoortOmschr(), QStringLiteral("Per dag"));
    EXPECT_FALSE(soort.IsWeekDag());
    soort.aantalDagen = 7;
    EXPECT_EQ(soort.GetSoortOmschr(), QStringLiteral("Per 7 dagen"));

    soort.aantalDagen = 0;
    soort.weekDagen = {true, false, false, false, false, true, false};
    EXPECT_TRUE(soort.IsWeekDag());
    EXPECT_EQ(soort.GetSoortOmschr(), QStringLiteral("Op zo, vr"));
    EXPECT_TRUE(soort.GeldtOp(EncodeDate(2026, 12, 6)));   // a Sunday
    EXPECT_TRUE(soort.GeldtOp(EncodeDate(2026, 12, 4)));   // a Friday
    EXPECT_FALSE(soort.GeldtOp(EncodeDate(2026, 12, 5)));  // a Saturday
}
