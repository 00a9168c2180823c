// The daily lists as the staff read them: which rooms turn over, how many
// meals the kitchen makes and who is in the house.

#include "reports/RapportLijsten.h"
#include "tests/reports/RapportTest.h"

namespace {

using rapport::KamerRegel;

class RapportLijstenTest : public RapportTest {};

TEST_F(RapportLijstenTest, TheCleaningListMarksDepartureStayAndArrivalOfEachRoomInRoomOrder)
{
    const TDateTime d = Dag(2026, 3, 10);
    Boek(d - 3, 3, 102);  // leaves on d
    Boek(d, 2, 102);      // arrives on d in the same room
    Boek(d - 1, 3, 101);  // stays
    Boek(d + 1, 1, 103);  // not yet

    const std::vector<KamerRegel> lijst = rapport::SchoonmaakLijst(d);
    ASSERT_EQ(lijst.size(), 2u);
    EXPECT_EQ(lijst[0].kamerNr, 101);
    EXPECT_TRUE(lijst[0].blijft);
    EXPECT_FALSE(lijst[0].aankomst || lijst[0].vertrek);
    EXPECT_EQ(lijst[1].kamerNr, 102);
    EXPECT_TRUE(lijst[1].vertrek && lijst[1].aankomst) << "a changeover is one row with both marks";
    EXPECT_FALSE(lijst[1].blijft);
}

TEST_F(RapportLijstenTest, OptionsAndBlockadesAreNeverListed)
{
    const TDateTime d = Dag(2026, 3, 10);
    const JaarNr optie = Boek(d - 1, 3, 101, 2, 1);
    const JaarNr blokkade = Boek(d - 1, 3, 102, 2, 2);
    CheckIn(optie, {{QStringLiteral("Optie"), QStringLiteral("Ede")}});
    CheckIn(blokkade, {{QStringLiteral("Blok"), QStringLiteral("Ede")}});

    EXPECT_TRUE(rapport::SchoonmaakLijst(d).empty());
    EXPECT_TRUE(rapport::MaaltijdLijst(d - 1, d + 1).empty());
    EXPECT_TRUE(rapport::GastenLijst(d).empty());
}

TEST_F(RapportLijstenTest, AJanuaryDayFindsTheStaysBookedInDecember)
{
    Boek(Dag(2025, 12, 30), 20, 101);  // stored under 2025, still there on 15 January
    const std::vector<KamerRegel> lijst = rapport::SchoonmaakLijst(Dag(2026, 1, 15));
    ASSERT_EQ(lijst.size(), 1u);
    EXPECT_TRUE(lijst[0].blijft);
    EXPECT_EQ(rapport::MaaltijdLijst(Dag(2026, 1, 1), Dag(2026, 1, 2)).size(), 1u);
}

TEST_F(RapportLijstenTest, MealsCountPersonsTimesDaysOfTheStayWithinThePeriod)
{
    const TDateTime d = Dag(2026, 3, 10);
    Boek(d, 5, 101, 2, 0, {1, 0, 1});  // the whole period of 3 days, breakfast and dinner
    Boek(d + 2, 4, 102, 3, 0, {1, 1, 0});  // only the last day
    Boek(d, 2, 103, 0);                 // nobody in it

    const std::vector<KamerRegel> lijst = rapport::MaaltijdLijst(d, d + 2);
    ASSERT_EQ(lijst.size(), 2u);
    EXPECT_EQ(lijst[0].kamerNr, 101);
    EXPECT_EQ(lijst[0].ontbijt, 6) << "2 persons x 3 days";
    EXPECT_EQ(lijst[0].lunch, 0);
    EXPECT_EQ(lijst[0].diner, 6);
    EXPECT_EQ(lijst[1].kamerNr, 102);
    EXPECT_EQ(lijst[1].ontbijt, 3);
    EXPECT_EQ(lijst[1].lunch, 3);
}

TEST_F(RapportLijstenTest, AMovedRoomEatsItsLastDayInTheRoomItMovedTo)
{
    const TDateTime d = Dag(2026, 3, 10);
    BouwRes res;
    res.begin = d;
    res.eind = d + 4;
    res.extra[0] = 1;
    res.regels = {BouwRegel{101, d, d + 2, 0, 0, {}, 2, 102}, BouwRegel{102, d + 2, d + 4, 0, 0, {}, 2, 0}};
    ::Boek(res);

    const std::vector<KamerRegel> lijst = rapport::MaaltijdLijst(d, d + 3);
    ASSERT_EQ(lijst.size(), 2u);
    EXPECT_EQ(lijst[0].ontbijt, 4) << "days 10 and 11 in room 101";
    EXPECT_EQ(lijst[1].ontbijt, 4) << "days 12 and 13 in room 102";
}

TEST_F(RapportLijstenTest, CheckedOutRoomsAreLeftOutOfMealsAndGuestsEvenBeforeTheirCheckOut)
{
    const TDateTime d = Dag(2026, 3, 10);
    const JaarNr weg = Boek(d - 1, 3, 101);
    const JaarNr blijft = Boek(d - 1, 3, 102);
    CheckIn(weg, {{QStringLiteral("Bakker"), QStringLiteral("Ede")}}, true);
    CheckIn(blijft, {{QStringLiteral("Visser"), QStringLiteral(" Zwolle ")},
                     {QStringLiteral("Aalders")},
                     {QString(), QString(), QStringLiteral("01-01-1990")}});

    const std::vector<KamerRegel> maaltijden = rapport::MaaltijdLijst(d - 1, d);
    ASSERT_EQ(maaltijden.size(), 1u);
    EXPECT_EQ(maaltijden[0].kamerNr, 102);

    const std::vector<rapport::GastRegel> gasten = rapport::GastenLijst(d);
    ASSERT_EQ(gasten.size(), 2u) << "a person without name and place is not listed";
    EXPECT_EQ(gasten[0].naam, QStringLiteral("Aalders"));
    EXPECT_EQ(gasten[1].naam, QStringLiteral("Visser"));
    EXPECT_EQ(gasten[1].plaats, QStringLiteral("Zwolle"));
    EXPECT_EQ(rapport::SchoonmaakLijst(d).size(), 2u) << "the cleaners still visit a checked-out room";
}

}  // namespace
