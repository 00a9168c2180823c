// The overview form: the year field, OK, the settings, the host menu's export
// and print, and the board's "Selectie" that picks through it.

#include <memory>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "board/Rsvovresunit.h"
#include "frame/BordVenstersFrame.h"
#include "host/ui/GridUitvoer.h"
#include "host/ui/ModalShow.h"
#include "host/ui/TGridView.h"
#include "reservation/Rsvresgegunit.h"
#include "reservation/Rsvzoekresunit.h"
#include "tests/frame/RecordingManager.h"
#include "tests/reservation/ZoekTest.h"
#include "tests/support/KamerBouwer.h"
#include "tests/support/ScriptedDialogs.h"

namespace {
QString Cel(const TGridView& grid, const char* kolom, int rij)
{
    return grid.GetCells(grid.GetKolomNummer(QString::fromLatin1(kolom)), rij);
}

void Typ(QLineEdit* veld, const QString& tekst)
{
    veld->selectAll();
    QTest::keyClicks(veld, tekst);
}
}  // namespace

class ZoekFormTest : public ZoekTest {
protected:
    TfrmRsvZoekRes& Open()
    {
        form_ = std::make_unique<TfrmRsvZoekRes>(nullptr, nullptr);
        form_->show();
        return *form_;
    }

    std::unique_ptr<TfrmRsvZoekRes> form_;
};

TEST_F(ZoekFormTest, AFourDigitYearIsClampedAndRefreshesThreeDigitsDoNot)
{
    Boek(Dag(2026, 3, 1), Dag(2026, 3, 2), {101}, {"Jansen"});
    TfrmRsvZoekRes& form = Open();
    EXPECT_EQ(form.edtJaar->text(), "2026");
    EXPECT_EQ(form.gvOverzicht->RijAantal(), 1);

    Typ(form.edtJaar, "1975");
    EXPECT_EQ(form.edtJaar->text(), "1980");
    EXPECT_EQ(form.gvOverzicht->KopRegels().value(1), "Overzicht per jaar: 1980  Weergave: Selectie");
    EXPECT_EQ(form.gvOverzicht->RijAantal(), 0);
    Typ(form.edtJaar, "2099");
    EXPECT_EQ(form.edtJaar->text(), "2080");
    Typ(form.edtJaar, "202");
    EXPECT_EQ(form.gvOverzicht->KopRegels().value(1), "Overzicht per jaar: 2080  Weergave: Selectie");
}

TEST_F(ZoekFormTest, OkClosesThePickingDialogOnlyOnADataRow)
{
    Boek(Dag(2026, 3, 1), Dag(2026, 3, 2), {101}, {"Jansen"});
    const JaarNr tweede = Boek(Dag(2026, 3, 5), Dag(2026, 3, 7), {102}, {"Bakker"});
    TfrmRsvZoekRes form(nullptr, nullptr);
    ModalResponderScope scope([&](TForm&) {
        form.show();
        form.gvOverzicht->setCurrentIndex({});
        form.btnOk->click();
        EXPECT_TRUE(form.isVisible()) << "no current row";
        EXPECT_EQ(form.ModalResult(), mrNone);
        form.gvOverzicht->FocusRij(1);
        form.btnOk->click();
        return form.ModalResult();
    });
    EXPECT_EQ(ShowModal(form), mrOk);
    EXPECT_EQ(form.SelectedReservation(), tweede);
}

TEST_F(ZoekFormTest, ChoicesComeBackWhenTheOverviewOpensAgain)
{
    Boek(Dag(2026, 3, 1), Dag(2026, 3, 2), {101}, {"Jansen"});
    TfrmRsvZoekRes& eerste = Open();
    EXPECT_TRUE(eerste.rdbtnJaar->isChecked());
    EXPECT_TRUE(eerste.rdbtnSelectie->isChecked());
    EXPECT_EQ(eerste.dtpckDatum->date(), QDate(2026, 3, 10));
    for (int i = 0; i < 4; ++i)
        eerste.lstbxWeergave->item(i)->setCheckState(Qt::Unchecked);
    eerste.btnOverzicht->click();
    EXPECT_EQ(eerste.gvOverzicht->RijAantal(), 0) << "Selectie with no status checked";
    eerste.lstbxWeergave->item(0)->setCheckState(Qt::Checked);
    eerste.rdbtnNaam->click();
    eerste.edtNaam->setText("jan  ");
    eerste.cmbxSortOrder->setCurrentIndex(1);
    eerste.close();

    TfrmRsvZoekRes& tweede = Open();
    EXPECT_TRUE(tweede.rdbtnNaam->isChecked());
    EXPECT_TRUE(tweede.edtNaam->isEnabled());
    EXPECT_FALSE(tweede.edtJaar->isEnabled());
    EXPECT_EQ(tweede.cmbxSortOrder->currentIndex(), 1);
    EXPECT_EQ(tweede.lstbxWeergave->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(tweede.lstbxWeergave->item(1)->checkState(), Qt::Unchecked);
    EXPECT_EQ(tweede.gvOverzicht->KopRegels().value(1), "Overzicht op naam: jan  Weergave: Selectie");
    EXPECT_EQ(Cel(*tweede.gvOverzicht, "naam", 0), "Jansen");
}

TEST_F(ZoekFormTest, TheHostMenuExportsWhatTheGridShowsAndPrints)
{
    Boek(Dag(2026, 3, 1), Dag(2026, 3, 4), {112, 105}, {"Jansen", "Piet"});
    Boek(Dag(2026, 3, 5), Dag(2026, 3, 7), {102}, {"Bakker; zn"}, 99);
    RecordingManager manager;
    QPointer<TfrmRsvZoekRes> form = new TfrmRsvZoekRes(nullptr, &manager);
    form->show();
    QMenu menu;
    form->Api()->AddMenuItems(menu);
    ASSERT_EQ(menu.actions().size(), 2);
    EXPECT_EQ(menu.actions()[0]->text(), "Exporteren");
    EXPECT_TRUE(menu.actions()[1]->isEnabled());

    const QTemporaryDir uit;
    const GridUitvoerScope scope(uit.path());
    menu.actions()[0]->trigger();
    menu.actions()[1]->trigger();
    EXPECT_GT(QFile(uit.path() + "/RsvZoekRes.pdf").size(), 0);
    QFile csv(uit.path() + "/RsvZoekRes.csv");
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList regels = QString::fromUtf8(bytes.mid(3)).split("\r\n", Qt::SkipEmptyParts);
    EXPECT_EQ(regels, (QStringList{"Boekingsnr.;Naam;Voornaam;Aankomst;Vertrek;Status;Kamers",
                                   "26/00001;Jansen;Piet;01-03-2026;04-03-2026;Openstaand;112, 105",
                                   "26/00002;\"Bakker; zn\";;05-03-2026;07-03-2026;Geannuleerd;"}));
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
}

TEST_F(ZoekFormTest, TheBoardsSelectieGoesToThePickedReservation)
{
    MaakKamers(2, 2026);
    Boek(Dag(2026, 3, 1), Dag(2026, 3, 2), {101}, {"Jansen"});
    const JaarNr gekozen = Boek(Dag(2026, 4, 20), Dag(2026, 4, 22), {102}, {"Bakker"});
    ScriptedDialogs dialogen;
    dialogen.Voeg([](TForm& form) {
        auto& zoek = dynamic_cast<TfrmRsvZoekRes&>(form);
        zoek.show();
        zoek.gvOverzicht->FocusRij(1);
        zoek.btnOk->click();
        return zoek.ModalResult();
    });
    // The chosen reservation opens in its details, closed again here.
    dialogen.Voeg([](TForm& form) {
        EXPECT_NE(dynamic_cast<TfrmRsvResGeg*>(&form), nullptr);
        return int(bord::drGesloten);
    });
    TfrmRsvOvRes bord(nullptr, nullptr);
    bord.ZetVensters(&FrameBordVensters());
    bord.show();
    bord.findChild<QPushButton*>("btnZoeken")->click();
    EXPECT_EQ(dialogen.Getoond(), 2);
    EXPECT_EQ(bord.Toestand().geselecteerd, gekozen);
    EXPECT_EQ(bord.findChild<QLabel*>("flblResBoekNr")->text(), "26/00002");
}
