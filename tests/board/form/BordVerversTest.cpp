// Keeping the board current: the refresh check against the update count, and a board without rooms.

#include <QTimer>

#include "host/brlib/Inlezen.h"
#include "masterdata/KamerOpslag.h"
#include "tests/board/form/BordFormTest.h"

namespace {

class BordVerversTest : public BordFormTest {
protected:
    void SetUp() override { MaakKamers(3); }

    // Runs `f` as another workstation on the same administration.
    template <class F>
    void AlsTweede(F f)
    {
        brlib::WerkstationScope scope(tweede_);
        f();
    }

    std::shared_ptr<brlib::Werkstation> tweede_ = admin_.Second();
};

TEST_F(BordVerversTest, ABookingOnAnotherWorkstationShowsAtTheNextTickOnlyOnceTheCountChanged)
{
    const JaarNr eerste = Boek(EncodeDate(2026, 3, 10), 2, 101, "Jansen");
    TfrmRsvOvRes& bord = Open();
    EXPECT_TRUE(bord.findChild<QTimer*>(QStringLiteral("tmrUpdate"))->isActive());
    EXPECT_EQ(bord.findChild<QTimer*>(QStringLiteral("tmrUpdate"))->interval(), 3000);
    bord.ShowSelected(eerste);

    // Nothing stored meanwhile: the board has no reason to read again.
    bord.tmrUpdateTimer();
    EXPECT_EQ(Tekst("flblResBoekNr"), QStringLiteral("26/00001"));

    // Every stored action changes the count, also one that does not announce it itself.
    JaarNr tweede;
    AlsTweede([&] { tweede = Boek(EncodeDate(2026, 3, 12), 2, 102, "Bakker"); });
    bord.tmrUpdateTimer();
    EXPECT_NE(bord.Toestand().ExtraVan(tweede), nullptr);
    EXPECT_EQ(Tekst("flblResBoekNr"), QString());
    EXPECT_TRUE(bord.findChild<QTimer*>(QStringLiteral("tmrUpdate"))->isActive());

    // Read once: the next tick with the same count leaves a new selection alone.
    bord.ShowSelected(tweede);
    bord.tmrUpdateTimer();
    EXPECT_EQ(Tekst("flblResBoekNr"), QStringLiteral("26/00002"));
}

TEST_F(BordVerversTest, TheTimerStopsWithTheBoard)
{
    TfrmRsvOvRes& bord = Open();
    bord.close();
    EXPECT_FALSE(bord.findChild<QTimer*>(QStringLiteral("tmrUpdate"))->isActive());
}

class BordZonderKamersTest : public BordFormTest {};

TEST_F(BordZonderKamersTest, ABoardWithoutRoomsSaysSoAndCloses)
{
    TfrmRsvOvRes& bord = Open();
    QApplication::processEvents();
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().kind, MsgKind::Error);
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Nog geen kamers gedefinieerd!"));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Reserveringen"));
    EXPECT_FALSE(bord.isVisible());
    EXPECT_FALSE(bord.findChild<QTimer*>(QStringLiteral("tmrUpdate"))->isActive());
}

TEST_F(BordZonderKamersTest, NieuwClosesTheBoardWhenTheRoomsWereRemovedElsewhere)
{
    MaakKamers(1);
    TfrmRsvOvRes& bord = Open();
    std::vector<brlib::stKamer> kamers;
    brlib::InlezenKamers(kamers);
    ASSERT_TRUE(VerwijderKamer(kamers.front()));
    Klik("btnNieuw");
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Nog geen kamers gedefinieerd!"));
    EXPECT_FALSE(bord.isVisible());
    EXPECT_FALSE(bord.findChild<QTimer*>(QStringLiteral("tmrUpdate"))->isActive());
}

}  // namespace
