// Weeks, months, rows and the legend of the board.

#include <QTest>

#include "host/base/GlobalSettings.h"
#include "host/base/MachineSettings.h"
#include "host/ui/BrlKeyPad.h"
#include "tests/board/form/BordFormTest.h"

namespace {

class BordNavigatieTest : public BordFormTest {
protected:
    void SetUp() override { MaakKamers(3); }

    void VerwachtWeek(const char* week, const char* maand, const char* jaar) const
    {
        EXPECT_EQ(Tekst("flblWeekNr"), QString::fromLatin1(week));
        EXPECT_EQ(Tekst("flblMaand"), QString::fromLatin1(maand));
        EXPECT_EQ(Tekst("flblJaar"), QString::fromLatin1(jaar));
    }
};

TEST_F(BordNavigatieTest, WeeksAndMonthsShowTheirWeekStartInTheLabels)
{
    TfrmRsvOvRes& bord = Open();
    // Tuesday 10 March: the week starts on Sunday 8 March.
    EXPECT_EQ(bord.StartDatum(), EncodeDate(2026, 3, 8));
    VerwachtWeek("10", "maart", "2026");

    Klik("btnPlusWeek");
    EXPECT_EQ(bord.StartDatum(), EncodeDate(2026, 3, 15));
    VerwachtWeek("11", "maart", "2026");

    // 1 April is a Wednesday: the month starts with the week of Sunday 5 April.
    Klik("btnPlusMaand");
    EXPECT_EQ(bord.StartDatum(), EncodeDate(2026, 4, 5));
    VerwachtWeek("14", "april", "2026");

    // 1 March 2026 is itself a Sunday.
    Klik("btnMinMaand");
    EXPECT_EQ(bord.StartDatum(), EncodeDate(2026, 3, 1));
    Klik("btnMinWeek");
    EXPECT_EQ(bord.StartDatum(), EncodeDate(2026, 2, 22));
    VerwachtWeek("8", "februari", "2026");
}

TEST_F(BordNavigatieTest, NextMonthFromDecemberGoesToTheFirstWeekOfTheNewYear)
{
    TfrmRsvOvRes& bord = Open();
    bord.GoToDate(EncodeDate(2026, 12, 20));
    Klik("btnPlusMaand");
    // 1 January 2027 is a Friday.
    EXPECT_EQ(bord.StartDatum(), EncodeDate(2027, 1, 3));
    VerwachtWeek("53", "januari", "2027");
}

TEST_F(BordNavigatieTest, IsoWeeksStartOnMonday)
{
    GlobalSettings(QStringLiteral("Reservering")).WriteBool(QStringLiteral("ISOWeekNummer"), true);
    TfrmRsvOvRes& bord = Open();
    EXPECT_EQ(bord.StartDatum(), EncodeDate(2026, 3, 9));
    VerwachtWeek("11", "maart", "2026");
    Klik("btnPlusMaand");
    EXPECT_EQ(bord.StartDatum(), EncodeDate(2026, 4, 6));
}

TEST_F(BordNavigatieTest, NavigationLoadsTheLinesOfTheShownWeeksAndDropsTheSelection)
{
    const JaarNr later = Boek(EncodeDate(2026, 5, 4), 2, 101, "Jansen");
    TfrmRsvOvRes& bord = Open();
    EXPECT_EQ(bord.Toestand().ExtraVan(later), nullptr);

    bord.GoToDate(EncodeDate(2026, 5, 1));
    ASSERT_NE(bord.Toestand().ExtraVan(later), nullptr);
    bord.ShowSelected(later);
    EXPECT_EQ(Tekst("flblResBoekNr"), QStringLiteral("26/00001"));

    Klik("btnPlusWeek");
    EXPECT_TRUE(bord.Toestand().geselecteerd.IsLeeg());
    EXPECT_EQ(Tekst("flblResBoekNr"), QString());
}

class BordRijenTest : public BordFormTest {
protected:
    void SetUp() override { MaakKamers(30); }
};

TEST_F(BordRijenTest, RowButtonsAreEnabledOnlyWhereTheRowsCanMove)
{
    TfrmRsvOvRes& bord = Open();
    bord.resize(700, 420);
    QApplication::processEvents();
    const auto knoppen = [this] {
        return std::array<bool, 4>{Deel("btnUp")->isEnabled(), Deel("btnPgUp")->isEnabled(),
                                   Deel("btnDown")->isEnabled(), Deel("btnPgDn")->isEnabled()};
    };
    const int zichtbaar = bord.Geometrie().ZichtbareRijen();
    ASSERT_GT(zichtbaar, 1);
    ASSERT_LT(zichtbaar, 30);
    EXPECT_EQ(knoppen(), (std::array<bool, 4>{false, false, true, true}));

    Klik("btnDown");
    EXPECT_EQ(bord.Geometrie().TopRij(), 2);
    EXPECT_EQ(knoppen(), (std::array<bool, 4>{true, true, true, true}));

    Klik("btnPgDn");
    EXPECT_EQ(bord.Geometrie().TopRij(), std::min(2 + zichtbaar, 31 - zichtbaar));
    while (Deel("btnPgDn")->isEnabled())
        Klik("btnPgDn");
    // The last room is on screen and the top row goes no further.
    EXPECT_EQ(bord.Geometrie().TopRij(), 31 - zichtbaar);
    EXPECT_EQ(knoppen(), (std::array<bool, 4>{true, true, false, false}));

    // A taller window shows more rows, so the bottom bound moves up.
    bord.resize(700, 420 + 5 * bord.Geometrie().RijHoogte());
    QApplication::processEvents();
    EXPECT_EQ(bord.Geometrie().TopRij(), 31 - bord.Geometrie().ZichtbareRijen());
    EXPECT_FALSE(Deel("btnDown")->isEnabled());

    Klik("btnPgUp");
    Klik("btnPgUp");
    Klik("btnPgUp");
    EXPECT_EQ(bord.Geometrie().TopRij(), 1);
    EXPECT_EQ(knoppen(), (std::array<bool, 4>{false, false, true, true}));
}

TEST_F(BordNavigatieTest, LegendToggleNarrowsTheDaysAndIsRememberedPerWorkstation)
{
    TfrmRsvOvRes& bord = Open();
    EXPECT_FALSE(Deel("pnlLegenda")->isVisible());
    const int breed = bord.Geometrie().DagBreedte();

    Klik("btnLegenda");
    EXPECT_TRUE(Deel("pnlLegenda")->isVisible());
    const int smal = bord.Geometrie().DagBreedte();
    EXPECT_LT(smal, breed);
    EXPECT_EQ(smal % 2, 0);
    // The day columns still fill the grid: the leftover is less than one pixel pair per day.
    const int vrij = Deel("dgGrid")->width() - bord.Geometrie().KolomLinks(bord.Geometrie().Kolommen());
    EXPECT_GE(vrij, 0);
    EXPECT_LT(vrij, 2 * 21 + 2);

    bord.close();
    EXPECT_TRUE(MachineSettings(QStringLiteral("RsvOvRes")).ReadBool(QStringLiteral("btnLegenda"), false));
    Open();
    EXPECT_TRUE(Deel("pnlLegenda")->isVisible());
    EXPECT_TRUE(Deel<QToolButton>("btnLegenda")->isChecked());
}

TEST_F(BordNavigatieTest, EscAndSluitenCloseTheBoard)
{
    TfrmRsvOvRes& bord = Open();
    QTest::keyClick(&bord, Qt::Key_Escape);
    EXPECT_FALSE(bord.isVisible());

    TfrmRsvOvRes& tweede = Open();
    Klik("btnSluiten");
    EXPECT_FALSE(tweede.isVisible());
    EXPECT_TRUE(berichten_.Gezien().empty());
}

TEST_F(BordNavigatieTest, ATouchTillGetsTheOnScreenKeypadOnTheStandAloneBoard)
{
    EXPECT_EQ(BrlKeyPad::Of(&Open()), nullptr);

    MachineSettings(QStringLiteral("Kassa")).WriteBool(QStringLiteral("SchermToetsenbord"), true);
    TfrmRsvOvRes& bord = Open();
    ASSERT_NE(BrlKeyPad::Of(&bord), nullptr);
    EXPECT_TRUE(BrlKeyPad::Of(&bord)->isVisible());
}

}  // namespace
