#include <gtest/gtest.h>

#include <cstring>
#include <QDate>

#include "host/base/RecordDate.h"

TEST(RecordDate, DateRoundTripsThroughFourBytes)
{
    const TDateTime d = EncodeDate(2026, 12, 31);
    const DOS_datum_type r = DateToDatum(d);
    unsigned char bytes[4];
    std::memcpy(bytes, &r, 4);
    EXPECT_EQ(bytes[0], 31);
    EXPECT_EQ(bytes[1], 12);
    EXPECT_EQ(bytes[2] | bytes[3] << 8, 2026);
    EXPECT_EQ(DatumToDate(r), d);
}

TEST(RecordDate, EveryDayOfTwoCenturiesReadsAsTheCalendarSaysAndImpossibleDatesAsNone)
{
    for (QDate q(1899, 12, 30); q.year() < 2101; q = q.addDays(1)) {
        const DOS_datum_type r{uint8_t(q.day()), uint8_t(q.month()), uint16_t(q.year())};
        ASSERT_EQ(DatumToDate(r), FromQDate(q)) << q.toString(Qt::ISODate).toStdString();
    }
    for (const DOS_datum_type fout : {DOS_datum_type{31, 4, 2026}, DOS_datum_type{29, 2, 2100}, DOS_datum_type{1, 13, 2026},
                                      DOS_datum_type{0, 1, 2026}, DOS_datum_type{1, 1, 0}})
        EXPECT_EQ(DatumToDate(fout), 0.0);
    EXPECT_EQ(DatumToDate({29, 2, 2000}), EncodeDate(2000, 2, 29));
}

TEST(RecordDate, NoDateIsAllZeroBothWays)
{
    const DOS_datum_type r = DateToDatum(0.0);
    EXPECT_EQ(r.dag | r.maand | r.jaar, 0);
    EXPECT_EQ(DatumToDate(DOS_datum_type{}), 0.0);
    EXPECT_EQ(DatumTijdToDate(DOS_datumtijd_type{}), 0.0);
}

TEST(RecordDate, DateTimeKeepsTheSecond)
{
    const TDateTime d = EncodeDateTime(2027, 1, 3, 23, 59, 58);
    const DOS_datumtijd_type r = DateToDatumTijd(d);
    EXPECT_EQ(r.uur, 23);
    EXPECT_EQ(r.minuut, 59);
    EXPECT_EQ(r.seconde, 58);
    EXPECT_NEAR(DatumTijdToDate(r), d, 1e-9);
}

TEST(RecordDate, ATimeRoundingToMidnightIsTheNextDayAndWallTimesSurviveDaylightSaving)
{
    const DOS_datumtijd_type middernacht = DateToDatumTijd(EncodeDate(2026, 12, 31) + 86399.6 / 86400);
    EXPECT_EQ(DatumToDate(middernacht.datum), EncodeDate(2027, 1, 1));
    EXPECT_EQ(middernacht.uur | middernacht.minuut | middernacht.seconde, 0);

    // 28 March 2027 loses an hour in Europe: 04:30 on the clock stays 04:30.
    qputenv("TZ", "Europe/Amsterdam");
    const QDateTime wand = ToQDateTime(EncodeDateTime(2027, 3, 28, 4, 30, 0));
    qunsetenv("TZ");
    EXPECT_EQ(wand.time(), QTime(4, 30));
}

TEST(Dates, DayNumberAndIsoWeekAcrossTheYearEnd)
{
    EXPECT_EQ(DagNr(EncodeDate(2024, 12, 31)), 366);
    EXPECT_EQ(DagNr(EncodeDate(2026, 1, 1)), 1);
    EXPECT_EQ(WeekNr(EncodeDate(2026, 12, 31)), 53);
    EXPECT_EQ(WeekNr(EncodeDate(2027, 1, 4)), 1);
    EXPECT_EQ(DagVanWeek(EncodeDate(2026, 12, 6)), 7);
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
}
