#include <gtest/gtest.h>

#include "tests/board/model/BordTestHulp.h"

using namespace bord;

namespace {

struct Cel {
    int soort;
    int status;
    int eerste;
    int tweede;
};

Cel CelVan(const BordToestand& t, int rij, int dag)
{
    const RoomDayCells& c = t.cellen[rij];
    return {c.soort[dag], c.status[dag], c.eerste[dag], c.tweede[dag]};
}

void ExpectCel(const BordToestand& t, int rij, int dag, Cel verwacht)
{
    const Cel c = CelVan(t, rij, dag);
    EXPECT_EQ(c.soort, verwacht.soort) << "dag " << dag;
    EXPECT_EQ(c.status, verwacht.status) << "dag " << dag;
    EXPECT_EQ(c.eerste, verwacht.eerste) << "dag " << dag;
    EXPECT_EQ(c.tweede, verwacht.tweede) << "dag " << dag;
}

}  // namespace

TEST(BordCellen, OneNightThenChangeoverFillsHalvesAndBothBarsMeet)
{
    BordToestand t = BordMetKamers({101, 102});
    t.items = {Regel(101, 0, 1, 1), Regel(101, 1, 3, 2)};
    EXPECT_FALSE(BuildCells(t));

    ExpectCel(t, 0, 0, {celAankomst, 0, 0, -1});
    ExpectCel(t, 0, 1, {celWissel, 0, 1, 0});
    ExpectCel(t, 0, 2, {celHeel, 0, 1, 1});
    ExpectCel(t, 0, 3, {celVertrek, 0, -1, 1});
    ExpectCel(t, 0, 4, {celLeeg, 0, -1, -1});
    ExpectCel(t, 1, 1, {celLeeg, 0, -1, -1});
}

TEST(BordCellen, ChangeoverIsTheSameWhicheverLineComesFirst)
{
    BordToestand t = BordMetKamers({101});
    t.items = {Regel(101, 1, 3, 2), Regel(101, 0, 1, 1)};
    BuildCells(t);
    ExpectCel(t, 0, 1, {celWissel, 0, 0, 1});
}

TEST(BordCellen, LinesAreClippedAtBothEndsOfTheCoveredDays)
{
    BordToestand t = BordMetKamers({101, 102, 103});
    t.items = {Regel(101, -3, 2, 1), Regel(102, 45, 60, 2), Regel(103, -10, -1, 3), Regel(103, 49, 52, 4),
               Regel(103, -2, 0, 5)};
    BuildCells(t);

    ExpectCel(t, 0, 0, {celHeel, 0, 0, 0});
    ExpectCel(t, 0, 2, {celVertrek, 0, -1, 0});
    ExpectCel(t, 1, 44, {celLeeg, 0, -1, -1});
    ExpectCel(t, 1, 45, {celAankomst, 0, 1, -1});
    ExpectCel(t, 1, kCelDagen - 1, {celHeel, 0, 1, 1});
    // Only the departure half of the line ending on the start date is left.
    ExpectCel(t, 2, 0, {celVertrek, 0, -1, 4});
    for (int dag = 1; dag < kCelDagen; ++dag)
        EXPECT_EQ(t.cellen[2].soort[dag], celLeeg) << dag;
}

TEST(BordCellen, ReversedDatesAreDrawnTheRightWayRound)
{
    BordToestand t = BordMetKamers({101});
    t.items = {Regel(101, 4, 2, 1)};
    BuildCells(t);
    ExpectCel(t, 0, 2, {celAankomst, 0, 0, -1});
    ExpectCel(t, 0, 4, {celVertrek, 0, -1, 0});
}

TEST(BordCellen, LineOfARoomThatIsGoneIsKeptButNotDrawn)
{
    BordToestand t = BordMetKamers({101});
    t.items = {Regel(999, 0, 3, 1), Regel(101, 0, 1, 2)};
    BuildCells(t);
    ASSERT_EQ(t.items.size(), 2u);
    ASSERT_EQ(t.cellen.size(), 1u);
    ExpectCel(t, 0, 0, {celAankomst, 0, 1, -1});
    ExpectCel(t, 0, 2, {celLeeg, 0, -1, -1});
}

TEST(BordCellen, RoomsReplacedSinceTheLastBuildAreFoundAgain)
{
    BordToestand t = BordMetKamers({101, 102});
    t.items = {Regel(102, 0, 1, 1)};
    BuildCells(t);
    t.kamers.erase(t.kamers.begin());
    BuildCells(t);
    ASSERT_EQ(t.cellen.size(), 1u);
    ExpectCel(t, 0, 0, {celAankomst, 0, 0, -1});
}

TEST(BordCellen, NewLinesAreHighlightedAndReported)
{
    BordToestand t = BordMetKamers({101});
    t.items = {Regel(101, 0, 2, 1), NieuweRegel(101, 2, 4)};
    EXPECT_TRUE(BuildCells(t));
    ExpectCel(t, 0, 2, {celWissel, kStatusLicht, 1, 0});
    ExpectCel(t, 0, 3, {celHeel, 0x11, 1, 1});
    ExpectCel(t, 0, 4, {celVertrek, kStatusLicht << 4, -1, 1});

    t.items.back().voorlopig = true;
    BuildCells(t);
    EXPECT_EQ(CelVan(t, 0, 2).status, kStatusVoorlopig);
    EXPECT_EQ(CelVan(t, 0, 4).status, kStatusVoorlopig << 4);
}

TEST(BordCellen, SelectionHighlightsOnlyTheHalvesOfItsReservationAndSelectsItsGroup)
{
    BordToestand t = BordMetKamers({101, 102});
    t.items = {Regel(101, 0, 2, 1), Regel(101, 2, 4, 2), Regel(102, 1, 2, 2)};
    t.extras = {Extra(1, "Jansen"), Extra(2, "Pietersen", 7)};
    t.IndexeerExtras();
    BuildCells(t);

    MarkeerSelectie(t, JaarNr(2026, 2));
    EXPECT_EQ(t.geselecteerdeGroep, 7);
    EXPECT_EQ(CelVan(t, 0, 1).status, 0);
    EXPECT_EQ(CelVan(t, 0, 2).status, kStatusLicht);  // arrival half only, not the departing line
    EXPECT_EQ(CelVan(t, 0, 3).status, 0x11);
    EXPECT_EQ(CelVan(t, 0, 4).status, kStatusLicht << 4);
    EXPECT_EQ(CelVan(t, 1, 1).status, kStatusLicht);

    MarkeerSelectie(t, JaarNr(2026, 1));
    EXPECT_EQ(t.geselecteerdeGroep, 0);
    EXPECT_EQ(CelVan(t, 0, 2).status, kStatusLicht << 4);
    EXPECT_EQ(CelVan(t, 1, 1).status, 0);

    MarkeerSelectie(t, JaarNr());
    for (const RoomDayCells& rij : t.cellen)
        for (uint8_t s : rij.status)
            EXPECT_EQ(s, 0);
}

TEST(BordCellen, PointerPicksTheArrivingLineInTheRightHalfAndTheDepartingOneInTheLeft)
{
    BordToestand t = BordMetKamers({101});
    t.items = {Regel(101, 0, 1, 1), Regel(101, 1, 3, 2)};
    BuildCells(t);
    const int wissel = kVasteKolommen + 1;
    EXPECT_EQ(ItemOnderWijzer(t, wissel, 1, true), 1);
    EXPECT_EQ(ItemOnderWijzer(t, wissel, 1, false), 0);
    EXPECT_EQ(ItemOnderWijzer(t, kVasteKolommen, 1, false), -1);  // left of the first arrival
    EXPECT_EQ(ItemOnderWijzer(t, wissel, 0, true), -1);           // header row
    EXPECT_EQ(ItemOnderWijzer(t, 1, 1, true), -1);                // room description
    EXPECT_EQ(ItemOnderWijzer(t, wissel, 2, true), -1);           // below the last room
    EXPECT_EQ(ItemOnderWijzer(t, kVasteKolommen + kZichtbareDagen, 1, true), -1);
}
