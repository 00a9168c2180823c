#include <gtest/gtest.h>

#include <QImage>

#include "board/BordTekenaar.h"
#include "tests/board/model/BordTestHulp.h"

using namespace bord;

namespace {

// A board of 40-pixel days and of two rooms, painted into an image.
class BordTekenaarTest : public ::testing::Test {
protected:
    BordTekenaarTest()
    {
        geometrie_.ZetRaster(2, 16);
        geometrie_.ZetClientGrootte(96 + 21 * 40, 44 + 2 * 16);
        geometrie_.PasDagKolommen();
    }

    QImage Teken(TDateTime vandaag = kStart - 30)
    {
        BuildCells(toestand_);
        QImage beeld(geometrie_.KolomLinks(23), 44 + 2 * 16, QImage::Format_RGB32);
        beeld.fill(Qt::magenta);
        QPainter p(&beeld);
        BordTekenaar(toestand_, geometrie_, tabel_, vandaag).TekenGrid(p);
        return beeld;
    }

    // A pixel of the day cell of `dag` on room row `rij`, `dx` from its left and `dy` from its top.
    QColor Pixel(const QImage& beeld, int dag, int rij, int dx, int dy)
    {
        const QRect cel = geometrie_.CelRect(kVasteKolommen + dag, rij);
        return beeld.pixelColor(cel.left() + dx, cel.top() + dy);
    }

    BordToestand toestand_ = BordMetKamers({101, 102});
    BordGeometrie geometrie_;
    KleurTabel tabel_;
};

const QColor kDonkerblauw = QKleur(0x000080);

}  // namespace

TEST_F(BordTekenaarTest, OneNightStayFillsTheRightHalfOfArrivalAndTheLeftHalfOfDeparture)
{
    toestand_.items = {Regel(101, 0, 1, 1)};
    const QImage beeld = Teken();
    EXPECT_EQ(Pixel(beeld, 0, 1, 30, 8), kDonkerblauw);
    EXPECT_EQ(Pixel(beeld, 0, 1, 8, 8), QKleur(0xEEEEEE));  // left of the arrival: background
    EXPECT_EQ(Pixel(beeld, 1, 1, 5, 8), kDonkerblauw);
    EXPECT_EQ(Pixel(beeld, 1, 1, 30, 8), QKleur(0xFFFFFF));
    EXPECT_EQ(Pixel(beeld, 0, 2, 30, 8), QKleur(0xEEEEEE));  // the other room
}

TEST_F(BordTekenaarTest, WeekSeparatorFollowsTheLastDayOfTheWeek)
{
    const QColor donker = QKleur(0x444444);
    QImage beeld = Teken();
    EXPECT_EQ(Pixel(beeld, 6, 1, 39, 5), donker);  // Sunday
    EXPECT_EQ(Pixel(beeld, 5, 1, 39, 5), QKleur(0xDDDDDD));
    EXPECT_EQ(Pixel(beeld, 6, 0, 39, 5), donker);  // through the header too
    EXPECT_EQ(Pixel(beeld, 6, 1, 5, 15), QKleur(0xDDDDDD));

    toestand_.isoWeek = false;
    beeld = Teken();
    EXPECT_EQ(Pixel(beeld, 5, 1, 39, 5), donker);  // Saturday
    EXPECT_EQ(Pixel(beeld, 6, 1, 39, 5), QKleur(0xDDDDDD));
}

TEST_F(BordTekenaarTest, SelectedGroupIsFramedOpenTowardsTheRestOfTheStay)
{
    toestand_.items = {Regel(101, 1, 3, 1), Regel(102, 1, 3, 2)};
    toestand_.extras = {Extra(1, "", 7), Extra(2, "", 8)};
    toestand_.IndexeerExtras();
    toestand_.geselecteerdeGroep = 7;
    const QColor blauw = QKleur(0xFF0000);
    const QImage beeld = Teken();

    const QRect aankomst = DeelRect(geometrie_.CelRect(kVasteKolommen + 1, 1), BalkDeel::Aankomst);
    EXPECT_EQ(beeld.pixelColor(aankomst.left(), aankomst.center().y()), blauw);
    EXPECT_EQ(beeld.pixelColor(aankomst.left() + 1, aankomst.center().y()), blauw);
    EXPECT_EQ(beeld.pixelColor(aankomst.left() + 2, aankomst.center().y()), kDonkerblauw);
    EXPECT_EQ(beeld.pixelColor(aankomst.right(), aankomst.top() + 1), blauw);
    EXPECT_EQ(beeld.pixelColor(aankomst.right(), aankomst.center().y()), kDonkerblauw);  // open to the right

    const QRect heel = DeelRect(geometrie_.CelRect(kVasteKolommen + 2, 1), BalkDeel::Heel);
    EXPECT_EQ(beeld.pixelColor(heel.left(), heel.top()), blauw);
    EXPECT_EQ(beeld.pixelColor(heel.left(), heel.center().y()), kDonkerblauw);

    const QRect vertrek = DeelRect(geometrie_.CelRect(kVasteKolommen + 3, 1), BalkDeel::Vertrek);
    EXPECT_EQ(beeld.pixelColor(vertrek.right(), vertrek.center().y()), blauw);

    const QRect anderGroep = DeelRect(geometrie_.CelRect(kVasteKolommen + 1, 2), BalkDeel::Aankomst);
    EXPECT_EQ(beeld.pixelColor(anderGroep.left(), anderGroep.center().y()), kDonkerblauw);
}

TEST_F(BordTekenaarTest, NothingIsPaintedWithoutRooms)
{
    toestand_.kamers.clear();
    geometrie_.ZetRaster(0, 16);
    const QImage beeld = Teken();
    EXPECT_EQ(beeld.pixelColor(5, 5), QColor(Qt::magenta));
}

TEST(BordBalkTitel, NamesTheRoomsPreRegisteredGuestBeforeTheReservation)
{
    BordToestand t = BordMetKamers({101, 102});
    brlib::stExtraRes extra = Extra(1, "  Jansen  ");
    brlib::stVoorReg gast;
    gast.kamerNr = 102;
    gast.regels = {QStringLiteral("Pietersen"), QStringLiteral("Utrecht")};
    brlib::stVoorReg leeg;
    leeg.kamerNr = 101;
    leeg.regels = {QString()};
    extra.voorRegs = {leeg, gast};
    t.extras = {extra};
    t.IndexeerExtras();

    EXPECT_EQ(BalkTitel(t, Regel(102, 0, 2, 1)), QStringLiteral(" Pietersen (Jansen)"));
    EXPECT_EQ(BalkTitel(t, Regel(101, 0, 2, 1)), QStringLiteral(" Jansen"));
    EXPECT_EQ(BalkTitel(t, NieuweRegel(101, 0, 2)), QStringLiteral(" [NIEUW]"));
}

// A caption runs on over every cell of its bar and stops at the half where the
// room's next guest arrives.
TEST_F(BordTekenaarTest, ACaptionRunsAcrossItsBarUpToTheNextArrival)
{
    toestand_.items = {Regel(101, 0, 3, 1), Regel(101, 3, 5, 2)};
    toestand_.extras = {Extra(1, "MMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMMM"), Extra(2, "")};
    toestand_.IndexeerExtras();
    const QImage beeld = Teken();
    const auto inkt = [&](const QRect& deel) {
        int n = 0;
        for (int y = deel.top() + 2; y < deel.bottom() - 1; ++y)
            for (int x = deel.left(); x <= deel.right(); ++x)
                n += beeld.pixelColor(x, y) != kDonkerblauw;
        return n;
    };
    EXPECT_GT(inkt(DeelRect(geometrie_.CelRect(kVasteKolommen + 2, 1), BalkDeel::Heel)), 0);
    EXPECT_GT(inkt(DeelRect(geometrie_.CelRect(kVasteKolommen + 3, 1), BalkDeel::Vertrek).adjusted(0, 0, -4, 0)), 0);
    EXPECT_EQ(inkt(DeelRect(geometrie_.CelRect(kVasteKolommen + 3, 1), BalkDeel::Aankomst)), 0);
}
