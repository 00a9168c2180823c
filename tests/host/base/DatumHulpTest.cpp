#include <gtest/gtest.h>

#include "host/base/DatumHulp.h"
#include "host/base/DatumTekst.h"

TEST(DatumHulp, WeekStartsOnMondayOrSundayByRule)
{
    const TDateTime zondag = EncodeDate(2026, 12, 6);
    EXPECT_EQ(WeekDag(zondag, true), 7);
    EXPECT_EQ(WeekDag(zondag, false), 1);
    EXPECT_EQ(BeginVanWeek(zondag, true), EncodeDate(2026, 11, 30));
    EXPECT_EQ(BeginVanWeek(zondag, false), zondag);
    EXPECT_EQ(BeginVanWeek(EncodeDate(2026, 12, 12) + 0.75, false), zondag);
}

TEST(DatumHulp, WeekBeginFromGoesForwardUnlessAlreadyAStart)
{
    // 1 January 2027 is a Friday.
    EXPECT_EQ(WeekBeginVanaf(EncodeDate(2027, 1, 1), true), EncodeDate(2027, 1, 4));
    EXPECT_EQ(WeekBeginVanaf(EncodeDate(2027, 1, 1), false), EncodeDate(2027, 1, 3));
    EXPECT_EQ(WeekBeginVanaf(EncodeDate(2027, 1, 4), true), EncodeDate(2027, 1, 4));
}

TEST(DatumHulp, MonthsAcrossYearEndsAndShortMonths)
{
    EXPECT_EQ(PlusMaanden(EncodeDate(2026, 12, 15), 1), EncodeDate(2027, 1, 15));
    EXPECT_EQ(PlusMaanden(EncodeDate(2027, 1, 15), -1), EncodeDate(2026, 12, 15));
    EXPECT_EQ(PlusMaanden(EncodeDate(2027, 1, 31), 1), EncodeDate(2027, 2, 28));
    EXPECT_EQ(LaatsteVanMaand(EncodeDate(2028, 2, 10)), EncodeDate(2028, 2, 29));
    EXPECT_EQ(EersteVanMaand(EncodeDate(2028, 2, 10) + 0.5), EncodeDate(2028, 2, 1));
    const DatumBereik feb = DagenVanMaand(2027, 2);
    EXPECT_EQ(feb.eerste, EncodeDate(2027, 2, 1));
    EXPECT_EQ(feb.Dagen(), 28);
    EXPECT_EQ(DagenInMaand(2024, 2), 29);
}

TEST(DatumHulp, IsoWeekOfAYearMayStartInThePreviousYear)
{
    EXPECT_EQ(JaarWeekNrDagNaarDatum(2026, 1, 1), EncodeDate(2025, 12, 29));
    EXPECT_EQ(JaarWeekNrDagNaarDatum(2026, 53, 7), EncodeDate(2027, 1, 3));
    EXPECT_EQ(WekenInJaar(2026), 53);
    EXPECT_EQ(WekenInJaar(2027), 52);
    const DatumBereik week = DagenVanWeek(2027, 10);
    EXPECT_EQ(WeekNr(week.eerste), 10);
    EXPECT_EQ(WeekNr(week.laatste), 10);
    EXPECT_EQ(week.Dagen(), 7);
    for (int w = 1; w <= WekenInJaar(2030); ++w)
        EXPECT_EQ(WeekNr(JaarWeekNrDagNaarDatum(2030, w, 4)), w);
}

TEST(DatumHulp, SplitsADateIntoDayMonthYear)
{
    int d = 0, m = 0, j = 0;
    GetDMJ(EncodeDateTime(2027, 3, 9, 23, 0, 0), d, m, j);
    EXPECT_EQ(d, 9);
    EXPECT_EQ(m, 3);
    EXPECT_EQ(j, 2027);
}

TEST(DatumTekst, DutchNamesAndNumbers)
{
    const TDateTime d = EncodeDateTime(2027, 3, 1, 9, 5, 7);
    EXPECT_EQ(FormatDateTime("dd-mm-yyyy", d), "01-03-2027");
    EXPECT_EQ(FormatDateTime("ddd dd-mm-yyyy", d), "ma 01-03-2027");
    EXPECT_EQ(FormatDateTime("dddd d mmm yyyy", d), "maandag 1 mrt 2027");
    EXPECT_EQ(FormatDateTime("mmmm yyyy", d), "maart 2027");
    EXPECT_EQ(FormatDateTime("mmm yy", d), "mrt 27");
    EXPECT_EQ(FormatDateTime("ddd\nd\nmmm", EncodeDate(2026, 12, 6)), "zo\n6\ndec");
    EXPECT_EQ(FormatDateTime("dd-mm-yyyy (hh:nn)", d), "01-03-2027 (09:05)");
    EXPECT_EQ(FormatDateTime("h:nn:ss", d), "9:05:07");
}

TEST(DatumTekst, QuotedTextIsNotAFormat)
{
    const TDateTime d = EncodeDate(2027, 3, 1);
    EXPECT_EQ(FormatDateTime("'dag' d", d), "dag 1");
    EXPECT_EQ(FormatDateTime("\"week\" yyyy", d), "week 2027");
}
