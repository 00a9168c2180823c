// Choosing the first room and period: in the header (room, begin, end) or by
// dragging along a room row; then further rooms for the same period.

#include "tests/board/nieuw/NieuwTest.h"

using namespace bord;

TEST_F(NieuwTest, HeaderRouteAcceptsFortyNineNightsAndRefusesFifty)
{
    Klik(KamerCel(r102));
    EXPECT_EQ(bord_.nieuwRij, r102 + kKopRijen);
    Klik(Kop(ma));
    EXPECT_EQ(model_.Stap(), stapEind);

    Klik(Kop(ma + 50));
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().kind, MsgKind::Warning);
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Periode kan niet groter zijn dan 49 dagen."));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Reserveringen"));
    EXPECT_EQ(model_.Stap(), stapEind);
    EXPECT_EQ(AantalNieuw(), 0u);

    Klik(Kop(ma + 49));
    ASSERT_EQ(AantalNieuw(), 1u);
    EXPECT_EQ(Nieuw(0).kamerNr, 102);
    EXPECT_EQ(Nieuw(0).eind - Nieuw(0).begin, 49);
    EXPECT_EQ(Nieuw(0).personen, 3);
    EXPECT_DOUBLE_EQ(Nieuw(0).bedrag, 49 * 80);
    EXPECT_EQ(model_.Sjabloon().begin, ma);
    EXPECT_EQ(model_.AantalRegels(), 1);
    EXPECT_EQ(model_.Stap(), stapGeen);
    EXPECT_EQ(bord_.nieuwRij, -1);
    EXPECT_EQ(bord_.gekozenBegin, 0);
}

TEST_F(NieuwTest, HeaderRouteOnATakenRoomWarnsAndStartsAgainAtTheBeginDay)
{
    Bezet(101, ma + 2, ma + 4);  // Wednesday to Friday
    KopRoute(r101, ma, ma + 3);
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().tekst,
              QStringLiteral("Kamer 101 is al gereserveerd binnen de geselecteerde periode.\n"
                             "Selecteer een andere periode of kamer."));
    EXPECT_EQ(model_.Stap(), stapBegin);
    EXPECT_EQ(bord_.gekozenBegin, 0);
    EXPECT_EQ(bord_.gekozenEind, 0);
    EXPECT_EQ(AantalNieuw(), 0u);

    // Arriving on the other line's departure day is allowed.
    Klik(Kop(ma + 4));
    Klik(Kop(ma + 6));
    ASSERT_EQ(AantalNieuw(), 1u);
    EXPECT_EQ(Nieuw(0).begin, ma + 4);
    EXPECT_EQ(berichten_.Gezien().size(), 1u);
}

TEST_F(NieuwTest, DragMondayToThursdayGivesOneConfirmedThreeNightLineAsTemplate)
{
    Sleep(r101, ma, ma + 3);
    ASSERT_EQ(AantalNieuw(), 1u);
    EXPECT_FALSE(Nieuw(0).voorlopig);
    EXPECT_EQ(Nieuw(0).begin, ma);
    EXPECT_EQ(Nieuw(0).eind, ma + 3);
    EXPECT_DOUBLE_EQ(Nieuw(0).bedrag, 240);
    EXPECT_DOUBLE_EQ(Nieuw(0).prijs, 80);
    EXPECT_EQ(Nieuw(0).kamerType, QStringLiteral("2P"));
    EXPECT_EQ(model_.Sjabloon().eind, ma + 3);
    EXPECT_EQ(model_.AantalRegels(), 1);
    EXPECT_FALSE(bord_.slepen);
}

TEST_F(NieuwTest, DragStopsBeforeATakenNightAndKeepsNoEmptyLine)
{
    Bezet(102, ma + 3, ma + 5);
    Sleep(r102, ma, ma + 6);
    ASSERT_EQ(AantalNieuw(), 1u);
    EXPECT_EQ(Nieuw(0).eind, ma + 3);

    model_.Ongedaan();
    Sleep(r102, ma + 4, ma + 6);  // pressed inside the other stay: nothing fits
    EXPECT_EQ(AantalNieuw(), 0u);
    EXPECT_EQ(model_.AantalRegels(), 0);

    Sleep(r101, ma + 4, ma + 1);  // to the left: the first day pressed is the departure
    ASSERT_EQ(AantalNieuw(), 1u);
    EXPECT_EQ(Nieuw(0).begin, ma + 1);
    EXPECT_EQ(Nieuw(0).eind, ma + 4);
}

TEST_F(NieuwTest, FurtherRoomsFollowThePointerWhereFreeAndAClickConfirmsThem)
{
    Bezet(102, ma - 2, ma);      // departs on the template's arrival day: free
    Bezet(103, ma + 2, ma + 5);  // overlaps: taken
    Sleep(r101, ma, ma + 3);

    model_.MuisBeweeg(Dag(r102, ma + 1));
    ASSERT_EQ(AantalNieuw(), 2u);
    EXPECT_TRUE(Nieuw(1).voorlopig);
    EXPECT_EQ(Nieuw(1).kamerNr, 102);
    EXPECT_EQ(Nieuw(1).begin, ma);
    EXPECT_EQ(Nieuw(1).eind, ma + 3);

    model_.MuisBeweeg(Dag(r103, ma + 1));
    EXPECT_EQ(AantalNieuw(), 1u);
    model_.MuisBeweeg(Dag(r101, ma + 1));  // the template's own room
    EXPECT_EQ(AantalNieuw(), 1u);
    model_.MuisBeweeg(Dag(r102, ma + 5));  // outside the period
    EXPECT_EQ(AantalNieuw(), 1u);

    model_.MuisNeer(Dag(r102, ma + 2));
    model_.MuisOp();
    ASSERT_EQ(AantalNieuw(), 2u);
    EXPECT_FALSE(Nieuw(1).voorlopig);
    EXPECT_EQ(Nieuw(1).personen, 3);
    EXPECT_DOUBLE_EQ(Nieuw(1).bedrag, 240);
    EXPECT_EQ(model_.AantalRegels(), 2);
    EXPECT_EQ(model_.BevestigdeRegels().size(), 2u);
}

TEST_F(NieuwTest, UndoDropsThePendingLineFirstAndEndsAtStepZero)
{
    Sleep(r101, ma, ma + 3);
    Klik(Dag(r102, ma));
    model_.MuisBeweeg(Dag(r103, ma));
    ASSERT_EQ(AantalNieuw(), 3u);

    model_.Ongedaan();
    EXPECT_EQ(AantalNieuw(), 2u);
    EXPECT_EQ(Nieuw(1).kamerNr, 102);
    model_.Ongedaan();
    EXPECT_EQ(AantalNieuw(), 1u);
    EXPECT_EQ(model_.AantalRegels(), 1);
    EXPECT_EQ(model_.Stap(), stapGeen);

    model_.Ongedaan();
    EXPECT_EQ(AantalNieuw(), 0u);
    EXPECT_EQ(model_.Stap(), stapKamer);
    EXPECT_EQ(model_.AantalRegels(), 0);
    // A fresh start: the header route works again.
    KopRoute(r103, ma, ma + 1);
    EXPECT_EQ(AantalNieuw(), 1u);
}

TEST(NieuwPlek, PointerHitsMapToRoomCellsDayHeadersAndDayCellsOfTheRightDate)
{
    const TDateTime start = EncodeDate(2027, 3, 1);
    EXPECT_EQ(PlekVan({1, 0, false}, start).soort, PlekSoort::Geen);  // the corner
    EXPECT_EQ(PlekVan({-1, 3, false}, start).soort, PlekSoort::Geen);
    const BordPlek kamer = PlekVan({1, 3, false}, start);
    EXPECT_EQ(kamer.soort, PlekSoort::Kamer);
    EXPECT_EQ(kamer.rij, 2);
    const BordPlek kop = PlekVan({2, 0, false}, start);
    EXPECT_EQ(kop.soort, PlekSoort::DagKop);
    EXPECT_EQ(kop.datum, start);
    const BordPlek dag = PlekVan({22, 1, true}, start);
    EXPECT_EQ(dag.soort, PlekSoort::Dag);
    EXPECT_EQ(dag.rij, 0);
    EXPECT_EQ(dag.datum, start + 20);
}
