#include "tests/host/ui/GridTestSupport.h"

#include <QDir>

#include "host/ui/GvlLayout.h"

using GvlLayoutTest = GridTest;

TEST_F(GvlLayoutTest, ColumnsInFileOrderWithTheirProperties)
{
    const QString pad = Layout("RsvOvRes.gvl",
                               "; grid of new lines\n"
                               "[begindat]\ntitel=Aankomst\nbreedte=72\nformaat=dd-mm-yyyy\n\n"
                               "# amounts\n[prijs]\nTitel = Prijs per nacht \nuitlijning=rechts\nformaat=#,##0.00\n"
                               "[personen]\nbewerkbaar=ja\nbreedte=-5\n"
                               "[status1_clr]\nzichtbaar=nee\nonbekend=iets\n");
    const auto kolommen = LeesGvl(pad);
    ASSERT_TRUE(kolommen);
    ASSERT_EQ(kolommen->size(), 4u);
    const GvlKolom& b = (*kolommen)[0];
    EXPECT_EQ(b.naam, "begindat");
    EXPECT_EQ(b.titel, "Aankomst");
    EXPECT_EQ(b.breedte, 72);
    EXPECT_EQ(b.formaat, "dd-mm-yyyy");
    EXPECT_FALSE(b.bewerkbaar);
    EXPECT_EQ((*kolommen)[1].titel, "Prijs per nacht");
    EXPECT_EQ((*kolommen)[1].uitlijning, Uitlijning::Rechts);
    EXPECT_EQ((*kolommen)[2].titel, "personen");
    EXPECT_TRUE((*kolommen)[2].bewerkbaar);
    EXPECT_EQ((*kolommen)[2].breedte, 0);
    EXPECT_FALSE((*kolommen)[3].zichtbaar);
    EXPECT_TRUE((*kolommen)[0].zichtbaar);
}

TEST_F(GvlLayoutTest, AMissingFileIsNoLayout)
{
    EXPECT_FALSE(LeesGvl(map_.filePath("bestaat-niet.gvl")));
}

TEST_F(GvlLayoutTest, TheUsersWidthsAreKeptPerWorkstation)
{
    const QString pad = Layout("RsvKamer.gvl", "[nr]\nbreedte=40\n[omschr]\nbreedte=200\n");
    auto kolommen = *LeesGvl(pad);
    kolommen[1].breedte = 321;
    ASSERT_TRUE(SchrijfWerkplekBreedtes(pad, kolommen));
    EXPECT_TRUE(WerkplekGvl(pad).startsWith(werkplek_.Dir()));

    auto opnieuw = *LeesGvl(pad);
    LeesWerkplekBreedtes(pad, opnieuw);
    EXPECT_EQ(opnieuw[0].breedte, 40);
    EXPECT_EQ(opnieuw[1].breedte, 321);
}

TEST_F(GvlLayoutTest, LayoutPathFollowsTheEnvironment)
{
    qputenv("RSV_GVL_PATH", "/srv/gvl");
    EXPECT_EQ(GvlPath(), "/srv/gvl");
    qunsetenv("RSV_GVL_PATH");
    EXPECT_TRUE(GvlPath().endsWith("/share/gvl"));
}
