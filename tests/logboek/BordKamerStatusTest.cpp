// Housekeeping on the board: the room column's menu sets a room's status, and
// a room out of use cannot be chosen for a new booking.

#include <QContextMenuEvent>
#include <QMenu>

#include "logboek/KamerStatus.h"
#include "tests/board/form/BordFormTest.h"

namespace {

TEST_F(BordFormTest, TheRoomColumnsMenuSetsTheStatusAndARoomOutOfUseCannotBeChosen)
{
    MaakKamers(2);
    Open();
    QContextMenuEvent vraag(QContextMenuEvent::Mouse, Midden(1, 1));
    QApplication::sendEvent(Deel("dgGrid"), &vraag);
    auto* menu = bord_->findChild<QMenu*>(QStringLiteral("mnuKamerStatus"));
    ASSERT_NE(menu, nullptr);
    QStringList teksten;
    for (QAction* actie : menu->actions())
        teksten << actie->text() + (actie->isChecked() ? "*" : "");
    EXPECT_EQ(teksten, QStringList({"Schoon*", "Vuil", "Gecontroleerd", "Buiten gebruik"}));
    menu->actions().at(3)->trigger();
    EXPECT_EQ(logboek::KamerStatus(101), logboek::ksBuitenGebruik);
    EXPECT_EQ(logboek::KamerStatus(102), logboek::ksSchoon);

    Klik("btnNieuw");
    KlikOp(Midden(4, 1));
    EXPECT_EQ(berichten_.Laatste().tekst, "Kamer 101 is buiten gebruik en kan niet geboekt worden.");
    EXPECT_TRUE(bord_->Toestand().items.empty());
    Stuur(QEvent::MouseButtonPress, Midden(4, 2), Qt::LeftButton);
    Stuur(QEvent::MouseMove, Midden(6, 2), Qt::LeftButton);
    Stuur(QEvent::MouseButtonRelease, Midden(6, 2), Qt::LeftButton);
    // Room 102 takes the new line (the rates are the details' business).
    ASSERT_FALSE(bord_->Toestand().items.empty());
    EXPECT_EQ(bord_->Toestand().items.back().kamerNr, 102);
    EXPECT_TRUE(bord_->Toestand().items.back().nieuw);
}

}  // namespace
