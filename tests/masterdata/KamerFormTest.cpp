// The rooms list and its edit dialog, worked as a user would.

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "masterdata/Rsveditkamerunit.h"
#include "masterdata/Rsvkamerunit.h"
#include "tests/masterdata/FormTestHulp.h"

using brlib::stKamer;
using brlib::stKamerType;

namespace {
using Dialoog = TfrmRsvEditKamer;

class KamerForm : public FormTest {
protected:
    void Open() { form_.show(); }
    void Knop(const char* naam) { form_.findChild<QPushButton*>(naam)->click(); }

    TfrmRsvKamer form_{nullptr, nullptr};
    TGridView& grid_ = *form_.Grid();
};
}  // namespace

TEST_F(KamerForm, ANewRoomIsProposedAsTheHighestNumberPlusOne)
{
    const stKamerType dbl = MaakKamerType("DBL", {}, kJaar);
    MaakKamerType("EEN", {}, kJaar);
    for (int nr : {1, 2, 10})
        MaakKamer(nr, dbl);
    Open();

    BijDialoog<Dialoog>([](Dialoog& d) {
        EXPECT_EQ(d.Caption(), QStringLiteral("Nieuwe kamer"));
        EXPECT_EQ(d.edtKamerNr->text(), QStringLiteral("11"));
        EXPECT_EQ(d.cmbxKamerType->count(), 2);
        EXPECT_EQ(d.cmbxKamerType->currentIndex(), -1);
        EXPECT_EQ(d.cmbxPersonen->count(), 16);
        EXPECT_FALSE(d.chkbxBeginDat->isChecked());
        EXPECT_FALSE(d.dtpckBeginDat->isEnabled());
        EXPECT_EQ(d.dtpckBeginDat->date(), QDate(kJaar, 3, 10));
        d.btnOk->click();
        EXPECT_EQ(d.ModalResult(), mrNone);
        d.cmbxKamerType->setCurrentIndex(1);
        EXPECT_EQ(d.flblTypeOmschr->text(), QString());
        d.cmbxPersonen->setCurrentIndex(2);
        d.chkbxBeginDat->setChecked(true);
        EXPECT_TRUE(d.dtpckBeginDat->isEnabled());
        d.dtpckBeginDat->setDate(QDate(kJaar, 5, 1));
        Schermafdruk(d, "RvsEditKamer");
        d.btnOk->click();
    });
    Knop("btnNieuw");

    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Selecteer een kamertype."));
    ASSERT_EQ(grid_.RijAantal(), 4);
    EXPECT_EQ(grid_.HuidigeRij(), 3);
    EXPECT_EQ(Cel(grid_, "nr", 3), QStringLiteral("11"));
    EXPECT_EQ(Cel(grid_, "kamertype", 3), QStringLiteral("EEN"));
    EXPECT_EQ(Cel(grid_, "maxpers", 3), QStringLiteral("2"));
    EXPECT_EQ(Cel(grid_, "begindat", 3), QStringLiteral("01-05-2026"));
    Schermafdruk(form_, "RsvKamer");
}

TEST_F(KamerForm, ANumberTakenByAnotherRoomIsRefusedButTheRoomsOwnIsNot)
{
    const stKamerType dbl = MaakKamerType("DBL", {}, kJaar);
    MaakKamer(5, dbl);
    MaakKamer(7, dbl);
    Open();

    BijDialoog<Dialoog>([&](Dialoog& d) {
        EXPECT_EQ(d.Caption(), QStringLiteral("Wijzigen kamer"));
        EXPECT_EQ(d.cmbxKamerType->currentText(), QStringLiteral("DBL"));
        d.edtKamerNr->setText(QStringLiteral("7"));
        d.btnOk->click();
        EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Kamernr. 7 is al aanwezig!"));
        EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Wijzigen kamer"));
        EXPECT_EQ(d.focusWidget(), d.edtKamerNr);
        d.edtKamerNr->clear();
        d.btnOk->click();
        EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Vul een geldig kamernummer in."));
        d.edtKamerNr->setText(QStringLiteral("5"));
        d.edtOmschr->setText(QStringLiteral("Aan de tuin"));
        d.btnOk->click();
    });
    emit grid_.OnDblClick(0);

    EXPECT_EQ(berichten_.Gezien().size(), 2u);
    EXPECT_EQ(Cel(grid_, "omschr", 0), QStringLiteral("Aan de tuin"));
    std::vector<stKamer> opSchijf;
    brlib::InlezenKamers(opSchijf);
    EXPECT_EQ(opSchijf[0].omschr, QStringLiteral("Aan de tuin"));
}

TEST_F(KamerForm, ARoomWithoutTypeShowsGeenType)
{
    const stKamerType dbl = MaakKamerType("DBL", {}, kJaar);
    MaakKamer(3, dbl);
    ASSERT_TRUE(VerwijderKamerType(dbl));
    Open();
    ASSERT_EQ(grid_.RijAantal(), 1);
    EXPECT_EQ(Cel(grid_, "kamertype", 0), QStringLiteral("(GEEN TYPE)"));
}

TEST_F(KamerForm, WithoutRoomTypesTheDialogSaysSoAndStaysOpen)
{
    Open();
    EXPECT_FALSE(form_.findChild<QPushButton*>("btnWijzig")->isEnabled());
    BijDialoog<Dialoog>([&](Dialoog& d) {
        EXPECT_EQ(berichten_.Laatste().kind, MsgKind::Error);
        EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Nog geen kamertypes gedefinieerd!"));
        EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Nieuwe kamer"));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.cmbxKamerType->count(), 0);
    });
    Knop("btnNieuw");
    EXPECT_EQ(OpenGebleven(), 1);
    EXPECT_EQ(grid_.RijAantal(), 0);
}

TEST_F(KamerForm, RemovalAsksForTheRoomNumber)
{
    const stKamerType dbl = MaakKamerType("DBL", {}, kJaar);
    MaakKamer(5, dbl);
    MaakKamer(7, dbl);
    Open();
    grid_.FocusRij(1);
    Knop("btnVerwijder");
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Wilt u kamernr. 7 verwijderen?"));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Kamers"));
    EXPECT_EQ(berichten_.Laatste().knoppen, msg::mbYesNo);
    ASSERT_EQ(grid_.RijAantal(), 1);
    EXPECT_EQ(Cel(grid_, "nr", 0), QStringLiteral("5"));
    std::vector<stKamer> opSchijf;
    brlib::InlezenKamers(opSchijf);
    EXPECT_EQ(opSchijf.size(), 1u);
}
