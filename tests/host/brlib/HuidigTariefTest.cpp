// The price a guest is quoted: stays across a period boundary, on flagged
// weekdays, spanning a week, and stays the rates do not cover.

#include <gtest/gtest.h>

#include "host/brlib/HuidigTarief.h"

using namespace brlib;

namespace {

stTariefSoort Soort(int32_t nr, const char* code, int dagen, std::array<bool, 7> weekDagen = {})
{
    stTariefSoort soort;
    soort.recNr = nr;
    soort.code = QString::fromLatin1(code);
    soort.aantalDagen = dagen;
    soort.weekDagen = weekDagen;
    return soort;
}

stPeriode Per(int32_t nr, const char* omschr, TDateTime begin, TDateTime eind)
{
    return {nr, QString::fromLatin1(omschr), begin, eind};
}

// 2026: "Laagseizoen" until 30 June, "Hoogseizoen" from 1 July. Amounts per
// period: Standaard per day, Weekend on Friday and Saturday, Week per 7 days.
stMatrix Hotel(double week = 450, double weekendLaag = 95)
{
    const std::vector<stPeriode> periodes{
        Per(1, "Laagseizoen", EncodeDate(2026, 1, 1), EncodeDate(2026, 6, 30)),
        Per(2, "Hoogseizoen", EncodeDate(2026, 7, 1), EncodeDate(2026, 12, 31))};
    const std::array<bool, 7> vrijZat{false, false, false, false, false, true, true};
    return {2026,
            {{Soort(2, "Standaard", 1), "Standaard", periodes, {80, 100}},
             {Soort(3, "Weekend", 0, vrijZat), "Weekend", periodes, {weekendLaag, 120}},
             {Soort(4, "Week", 7), "Week", periodes, {week, 600}}}};
}

stResTarief Verblijf(TDateTime begin, TDateTime eind, stMatrix matrix = Hotel())
{
    stResTarief regel;
    regel.begin = begin;
    regel.eind = eind;
    regel.matrix = std::move(matrix);
    return regel;
}

}  // namespace

TEST(HuidigTarief, EachNightTakesTheRateOfItsOwnPeriod)
{
    stResTarief regel = Verblijf(EncodeDate(2026, 6, 29), EncodeDate(2026, 7, 2));  // Mon..Thu
    ASSERT_TRUE(RsvBepaalHuidigTarief(regel));
    EXPECT_DOUBLE_EQ(regel.bedrag, 80 + 80 + 100);
    EXPECT_DOUBLE_EQ(regel.prijs, 86.67);
    EXPECT_EQ(regel.tariefCode, QStringLiteral("Standaard"));
    EXPECT_EQ(regel.tariefTekst2, QStringLiteral("Laagseizoen"));
}

TEST(HuidigTarief, FlaggedWeekdaysTakeTheWeekdayRate)
{
    stResTarief regel = Verblijf(EncodeDate(2026, 6, 4), EncodeDate(2026, 6, 7));  // Thu, Fri, Sat nights
    ASSERT_TRUE(RsvBepaalHuidigTarief(regel));
    EXPECT_DOUBLE_EQ(regel.bedrag, 80 + 95 + 95);
    EXPECT_DOUBLE_EQ(regel.prijs, 90);
    EXPECT_EQ(regel.tariefCode, QStringLiteral("Weekend"));
}

TEST(HuidigTarief, AWeekIsOneBlockAndTheRestIsPricedPerNight)
{
    stResTarief regel = Verblijf(EncodeDate(2026, 6, 1), EncodeDate(2026, 6, 10));  // Mon + 9 nights
    ASSERT_TRUE(RsvBepaalHuidigTarief(regel));
    EXPECT_DOUBLE_EQ(regel.bedrag, 450 + 80 + 80);
    EXPECT_DOUBLE_EQ(regel.prijs, 67.78);
    EXPECT_EQ(regel.tariefCode, QStringLiteral("Week"));

    // A week that starts in the low season costs the low-season week, even
    // when it runs into the high season.
    regel = Verblijf(EncodeDate(2026, 6, 28), EncodeDate(2026, 7, 5));
    ASSERT_TRUE(RsvBepaalHuidigTarief(regel));
    EXPECT_DOUBLE_EQ(regel.bedrag, 450);
}

TEST(HuidigTarief, AWeekWithoutAnAmountFallsBackToNights)
{
    stResTarief regel = Verblijf(EncodeDate(2026, 6, 1), EncodeDate(2026, 6, 8), Hotel(0));
    ASSERT_TRUE(RsvBepaalHuidigTarief(regel));
    EXPECT_DOUBLE_EQ(regel.bedrag, 5 * 80 + 2 * 95);
    EXPECT_EQ(regel.tariefCode, QStringLiteral("Standaard"));
}

TEST(HuidigTarief, NightsAfterNewYearStayInTheLastPeriodButKeepTheirWeekday)
{
    stResTarief regel = Verblijf(EncodeDate(2026, 12, 30), EncodeDate(2027, 1, 2));  // Wed, Thu, Fri
    ASSERT_TRUE(RsvBepaalHuidigTarief(regel));
    EXPECT_DOUBLE_EQ(regel.bedrag, 100 + 100 + 120);
    EXPECT_EQ(regel.tariefTekst2, QStringLiteral("Hoogseizoen"));
}

TEST(HuidigTarief, UncoveredNightsAndEmptyStaysReportFailure)
{
    stMatrix alleenWeekend = Hotel();
    alleenWeekend.soorten[0].bedragen = {0, 0};
    alleenWeekend.soorten[2].bedragen = {0, 0};
    stResTarief regel = Verblijf(EncodeDate(2026, 6, 4), EncodeDate(2026, 6, 6), alleenWeekend);  // Thu, Fri
    EXPECT_FALSE(RsvBepaalHuidigTarief(regel));
    EXPECT_DOUBLE_EQ(regel.bedrag, 95);

    regel = Verblijf(EncodeDate(2026, 6, 4), EncodeDate(2026, 6, 4));
    regel.prijs = 12;
    EXPECT_FALSE(RsvBepaalHuidigTarief(regel));
    EXPECT_DOUBLE_EQ(regel.prijs, 0);

    regel = Verblijf(EncodeDate(2026, 6, 4), EncodeDate(2026, 6, 6), stMatrix{});
    EXPECT_FALSE(RsvBepaalHuidigTarief(regel));
}
