// The occupancy figures as management reads them, and the views' days and steps.

#include "host/brlib/Kamer.h"
#include "reports/ManagWeergave.h"
#include "tests/reports/RapportTest.h"

namespace {

using bezetting::Keuze;
using bezetting::Weergave;

class BezettingTest : public RapportTest {
protected:
    void Kamer(int32_t nr, int maxPersonen = 2, TDateTime vanaf = 0)
    {
        brlib::stKamer k;
        k.kamerNr = nr;
        k.maxPersonen = maxPersonen;
        k.beschikbaarVanaf = vanaf;
        kamers_.push_back(k);
    }
    bezetting::Bezetting Bereken(TDateTime van, TDateTime tot, bool perMaand = false) const
    {
        return bezetting::BerekenBezetting({van, tot}, kamers_, perMaand);
    }

    std::vector<brlib::stKamer> kamers_;
};

TEST_F(BezettingTest, ADayWithoutAvailableRoomsShowsNoPercentages)
{
    const TDateTime d = Dag(2026, 3, 10);
    Kamer(101, 2, d + 1);  // opens the next day
    Boek(d, 2, 101);

    const bezetting::Bezetting b = Bereken(d, d + 1);
    EXPECT_EQ(b.dagen[0].kamersTotaal, 0);
    EXPECT_EQ(b.dagen[0].kamersBezet, 1);
    EXPECT_EQ(b.dagen[0].percBezet, 0.0);
    EXPECT_EQ(b.dagen[0].percSom, 0.0);
    EXPECT_EQ(b.dagen[1].percBezet, 100.0);
}

TEST_F(BezettingTest, AChangeoverCountsTheRoomOnceWithBothStaysPersons)
{
    const TDateTime d = Dag(2026, 3, 10);
    for (int32_t nr : {101, 102, 103})
        Kamer(nr);
    Boek(d - 2, 2, 101, 2);  // leaves on d
    Boek(d, 1, 101, 3);      // arrives on d
    Boek(d, 1, 102, 0);      // nobody: not occupied
    Boek(d, 1, 103, 1, 1);   // an option: never counted

    const bezetting::DagBezetting dag = Bereken(d, d).dagen.at(0);
    EXPECT_EQ(dag.kamersBezet, 1);
    EXPECT_EQ(dag.persBezet, 5);
    EXPECT_NEAR(dag.percBezet, 33.333, 0.001);
    EXPECT_EQ(dag.persKinder, 5) << "persons without a birth date are children";
}

TEST_F(BezettingTest, BlockedRoomsCountWithTheirMaximumPersonsAndOnlyWhenTheyHaveOne)
{
    const TDateTime d = Dag(2026, 3, 10);
    Kamer(101, 4);
    Kamer(102, 0);
    Boek(d, 2, 101, 1, 2);
    Boek(d, 2, 102, 1, 2);

    const bezetting::DagBezetting dag = Bereken(d, d).dagen.at(0);
    EXPECT_EQ(dag.kamersGeblok, 1);
    EXPECT_EQ(dag.persGeblok, 4);
    EXPECT_EQ(dag.percGeblok, 50.0);
    EXPECT_EQ(dag.persTotaal, 4);
}

TEST_F(BezettingTest, AdultsAreThoseOf18OnTheDayTheReservationBegins)
{
    const TDateTime d = Dag(2026, 3, 10);
    Kamer(101, 4);
    const JaarNr res = Boek(d, 3, 101, 4);
    CheckIn(res, {{QStringLiteral("Ouder"), QString(), QStringLiteral("10-03-2008")},      // 18 on the first day
                  {QStringLiteral("Jarig"), QString(), QStringLiteral("11-03-2008")},      // 18 the next day: a child
                  {QStringLiteral("Schrikkel"), QString(), QStringLiteral("29/02/2008")},  // 18 on 1 March 2026
                  {QStringLiteral("Onbekend")}});

    for (const bezetting::DagBezetting& dag : Bereken(d, d + 3).dagen) {
        EXPECT_EQ(dag.persVolwas, 2);
        EXPECT_EQ(dag.persKinder, 2);
    }
    EXPECT_EQ(bezetting::Leeftijd(QDate(2008, 2, 29), QDate(2026, 2, 28)), 17);
    EXPECT_EQ(bezetting::Leeftijd(QDate(2008, 2, 29), QDate(2028, 2, 29)), 20);
}

TEST_F(BezettingTest, TheYearViewCountsOnlyItsOwnDaysAndSumsTheMonths)
{
    Kamer(101);
    Kamer(102);
    Boek(Dag(2025, 12, 30), 4, 101);  // 30 Dec .. 3 Jan, booked under 2025: not scanned for 2026
    Boek(Dag(2026, 12, 30), 5, 102);  // 30 Dec .. 4 Jan: only 30 and 31 December count

    const bezetting::Bezetting b = Bereken(Dag(2026, 1, 1), Dag(2026, 12, 31), true);
    ASSERT_EQ(b.dagen.size(), 365u);
    ASSERT_EQ(b.maanden.size(), 12u);
    EXPECT_EQ(b.dagen.front().kamersBezet, 0);
    EXPECT_EQ(b.dagen.back().kamersBezet, 1);
    EXPECT_EQ(b.maanden[11].kamersBezet, 2);
    EXPECT_EQ(b.maanden[11].kamersTotaal, 62);
    EXPECT_EQ(b.maanden[11].percBezet, 3.23);
    EXPECT_EQ(b.maanden[0].percBezet, 0.0);
}

TEST(ManagWeergave, StepsRollOverIntoTheNeighbouringYear)
{
    Keuze week = Keuze::Rond(EncodeDate(2027, 1, 2), Weergave::Week);  // a Saturday in week 53 of 2026
    EXPECT_EQ(week.week, 53);
    EXPECT_EQ(week.jaar, 2026);
    week = bezetting::Stap(week, 1);
    EXPECT_EQ(week.week, 1);
    EXPECT_EQ(week.jaar, 2027);
    EXPECT_EQ(bezetting::BereikVan(week).eerste, EncodeDate(2027, 1, 4));

    Keuze maand = Keuze::Rond(EncodeDate(2026, 1, 15), Weergave::Maand);
    maand = bezetting::Stap(maand, -1);
    EXPECT_EQ(maand.maand, 12);
    EXPECT_EQ(maand.jaar, 2025);
    EXPECT_EQ(bezetting::BereikVan(maand).Dagen(), 31);
}

}  // namespace
