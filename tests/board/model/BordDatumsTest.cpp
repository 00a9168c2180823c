#include <gtest/gtest.h>

#include "board/BordDatums.h"
#include "board/BordGeometrie.h"
#include "board/BordToestand.h"

using namespace bord;

TEST(BordDatums, WeekStartsOnMondayWithIsoAndOnSundayOtherwise)
{
    const TDateTime woensdag = EncodeDate(2026, 3, 4);
    EXPECT_EQ(WeekBegin(woensdag, true), EncodeDate(2026, 3, 2));
    EXPECT_EQ(WeekBegin(woensdag, false), EncodeDate(2026, 3, 1));
    EXPECT_EQ(WeekBegin(EncodeDate(2026, 3, 1), true), EncodeDate(2026, 2, 23));  // a Sunday ends the ISO week
    EXPECT_EQ(WeekBegin(EncodeDate(2026, 3, 1), false), EncodeDate(2026, 3, 1));
    EXPECT_EQ(WeekBegin(EncodeDate(2026, 3, 4) + 0.75, true), EncodeDate(2026, 3, 2));  // time of day ignored

    EXPECT_TRUE(IsLaatsteWeekDag(EncodeDate(2026, 3, 8), true));    // Sunday
    EXPECT_FALSE(IsLaatsteWeekDag(EncodeDate(2026, 3, 7), true));
    EXPECT_TRUE(IsLaatsteWeekDag(EncodeDate(2026, 3, 7), false));   // Saturday
    EXPECT_FALSE(IsLaatsteWeekDag(EncodeDate(2026, 3, 8), false));
}

TEST(BordDatums, MonthStepsGoToTheFirstWeekStartOfTheMonthAcrossYearEnds)
{
    const TDateTime december = EncodeDate(2026, 12, 28);
    // 1 January 2027 is a Friday.
    EXPECT_EQ(MaandStap(december, +1, true), EncodeDate(2027, 1, 4));
    EXPECT_EQ(MaandStap(december, +1, false), EncodeDate(2027, 1, 3));
    // 1 December 2026 is a Tuesday.
    EXPECT_EQ(MaandStap(EncodeDate(2027, 1, 4), -1, true), EncodeDate(2026, 12, 7));
    // 1 February 2027 is a Monday: already a week start.
    EXPECT_EQ(MaandStap(EncodeDate(2027, 1, 4), +1, true), EncodeDate(2027, 2, 1));
    EXPECT_EQ(MaandStap(EncodeDate(2027, 1, 4), +1, false), EncodeDate(2027, 2, 7));
}

TEST(BordDatums, ColumnsMapToDaysFromTheStartDate)
{
    const TDateTime start = EncodeDate(2026, 3, 2);
    EXPECT_EQ(KolomDatum(start, kVasteKolommen), start);
    EXPECT_EQ(KolomDatum(start, 0), start - 2);
    EXPECT_EQ(DagIndex(start, EncodeDate(2026, 3, 9)), 7);
    EXPECT_EQ(DagIndex(start, start - 3), -3);
}

TEST(BordGeometrie, DayColumnsShareTheWidthInEvenPixels)
{
    BordGeometrie g;
    g.ZetRaster(10, 16);
    g.ZetClientGrootte(1920, 1080);
    g.PasDagKolommen();
    EXPECT_EQ(g.DagBreedte(), 86);  // (1920 - 96) / 21 = 86.9
    g.ZetClientGrootte(1000, 600);
    g.PasDagKolommen();
    EXPECT_EQ(g.DagBreedte(), 42);  // 43 rounded down to even
    EXPECT_EQ(g.KolomLinks(kVasteKolommen), 96);
    EXPECT_EQ(g.CelRect(kVasteKolommen + 1, 0), QRect(96 + 42, 0, 42, 44));
    EXPECT_EQ(g.CelRect(1, 2), QRect(32, 44 + 16, 64, 16));
}

TEST(BordGeometrie, RowButtonsStayWithinTheRoomsAndEnableByPosition)
{
    BordGeometrie g;
    g.ZetRaster(100, 16);
    g.ZetClientGrootte(800, 44 + 16 * 10 + 7);  // ten whole rows and a part
    EXPECT_EQ(g.ZichtbareRijen(), 10);
    EXPECT_EQ(g.MaxTopRij(), 91);
    EXPECT_FALSE(g.KanOmhoog());
    EXPECT_TRUE(g.KanOmlaag());

    g.Schuif(-1);
    EXPECT_EQ(g.TopRij(), 1);
    for (int i = 0; i < 20; ++i)
        g.SchuifPagina(+1);
    EXPECT_EQ(g.TopRij(), 91);
    EXPECT_TRUE(g.KanOmhoog());
    EXPECT_FALSE(g.KanOmlaag());
    EXPECT_EQ(g.LaatsteZichtbareRij(), 100);

    // A taller window pulls the top row back so that no empty rows show.
    g.ZetClientGrootte(800, 44 + 16 * 30);
    EXPECT_EQ(g.TopRij(), 71);

    BordGeometrie weinig;
    weinig.ZetRaster(5, 16);
    weinig.ZetClientGrootte(800, 600);
    EXPECT_EQ(weinig.MaxTopRij(), 1);
    EXPECT_FALSE(weinig.KanOmhoog());
    EXPECT_FALSE(weinig.KanOmlaag());
    EXPECT_EQ(weinig.LaatsteZichtbareRij(), 5);
}

TEST(BordGeometrie, PixelsResolveToCellsAndHalves)
{
    BordGeometrie g;
    g.ZetRaster(20, 16);
    g.ZetClientGrootte(96 + 21 * 40, 44 + 16 * 5);
    g.PasDagKolommen();
    ASSERT_EQ(g.DagBreedte(), 40);

    const CelTreffer links = g.Raak(QPoint(96 + 40 + 19, 44 + 3));
    EXPECT_EQ(links.kolom, 3);
    EXPECT_EQ(links.rij, 1);
    EXPECT_FALSE(links.rechts);
    EXPECT_TRUE(g.Raak(QPoint(96 + 40 + 20, 44)).rechts);  // exactly the middle counts as right

    EXPECT_EQ(g.Raak(QPoint(10, 43)).rij, 0);
    EXPECT_EQ(g.Raak(QPoint(10, 43)).kolom, 0);
    EXPECT_EQ(g.Raak(QPoint(96 + 21 * 40, 50)).kolom, -1);

    g.Schuif(4);
    EXPECT_EQ(g.Raak(QPoint(100, 44 + 16)).rij, 6);
    EXPECT_TRUE(g.CelRect(0, 2).isEmpty());  // scrolled out above
}
