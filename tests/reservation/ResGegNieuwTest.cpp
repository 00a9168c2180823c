// A new reservation's details: what the board hands in is shown, OK gives the
// user's edits back, every way out without OK leaves the board's block alone.

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "reservation/GastGegevens.h"
#include "reservation/RadioGroup.h"
#include "tests/reservation/ResGegTest.h"

namespace {

class ResGegNieuw : public ResGegTest {};

TEST_F(ResGegNieuw, ShowsTheHandedInBlock)
{
    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    dlg.ZetGegevens(Voorbeeld(), 1234.5);
    Toon(dlg, [](TfrmRsvResGeg& d) {
        EXPECT_EQ(d.flblResBoekNr->text(), "NIEUW");
        EXPECT_EQ(d.flblRegDatum->text(), "");
        EXPECT_EQ(d.flblStatus->text(), "");
        EXPECT_EQ(d.flblGroepNr->text(), "");
        EXPECT_EQ(d.flblTotBedrag->text(), "1234,50");
        EXPECT_TRUE(d.flblTotBedrag->alignment() & Qt::AlignRight);
        EXPECT_EQ(d.rdgrpResType->ItemIndex(), 1);
        EXPECT_EQ(d.rdgrpNat->ItemIndex(), 2);
        EXPECT_EQ(d.rdgrpZakPriv->ItemIndex(), 1);
        EXPECT_FALSE(d.chkbxExtra1->isChecked());
        EXPECT_TRUE(d.chkbxExtra2->isChecked());
        EXPECT_TRUE(d.chkbxExtra3->isChecked());
        EXPECT_EQ(d.flblRelNr->text(), "42");
        EXPECT_EQ(d.flblRelNr->palette().color(QPalette::Window), d.palette().color(QPalette::Base));
        EXPECT_EQ(d.reExtra->toPlainText(), "Late aankomst\nKamer op de begane grond");
        EXPECT_EQ(d.pgMain->currentWidget(), d.tbRelatie);
        ASSERT_EQ(d.gvGrid->RijAantal(), 12);
        EXPECT_EQ(Cel(*d.gvGrid, "data", 0), "Jansen");
        EXPECT_EQ(Cel(*d.gvGrid, "data", 2), "Dorpsstraat 1");
        EXPECT_EQ(Cel(*d.gvGrid, "data", 3), "");
        EXPECT_EQ(Cel(*d.gvGrid, "data", 11), "");
    });
}

TEST_F(ResGegNieuw, NoRelationAndANegativeTotal)
{
    ResGegevens zonderRelatie = Voorbeeld();
    zonderRelatie.relatieNr = 0;
    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    dlg.ZetGegevens(zonderRelatie, -12.3);
    Toon(dlg, [](TfrmRsvResGeg& d) {
        EXPECT_EQ(d.flblTotBedrag->text(), "-12,30");
        EXPECT_EQ(d.flblRelNr->text(), "");
        // No relation: the field looks like the panel, not like an entry field.
        EXPECT_EQ(d.flblRelNr->palette().color(QPalette::Window), d.palette().color(QPalette::Button));
    });
}

TEST_F(ResGegNieuw, OkReturnsTheEdits)
{
    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    dlg.ZetGegevens(Voorbeeld(), 100);
    const int resultaat = Toon(dlg, [](TfrmRsvResGeg& d) {
        EXPECT_TRUE(Typ(*d.gvGrid, 1, QStringLiteral("Pieter")));
        EXPECT_TRUE(Typ(*d.gvGrid, 3, QStringLiteral("1234 AB")));
        EXPECT_TRUE(Typ(*d.gvGrid, 11, QStringLiteral("Allergisch voor noten")));
        const QModelIndex label = d.gvGrid->model()->index(0, d.gvGrid->GetKolomNummer(QStringLiteral("label")));
        EXPECT_FALSE(d.gvGrid->model()->setData(label, QStringLiteral("Achternaam"), Qt::EditRole));
        d.rdgrpResType->Item(2)->click();
        d.rdgrpNat->Item(1)->click();
        d.rdgrpZakPriv->Item(2)->click();
        d.chkbxExtra1->click();
        d.chkbxExtra3->click();
        d.reExtra->setPlainText(QStringLiteral("Vroege aankomst\n\nParkeerplaats gewenst\n"));
        d.btnOk->click();
    });
    EXPECT_EQ(resultaat, mrOk);
    const ResGegevens& uit = dlg.Gegevens();
    ASSERT_EQ(uit.gastRegels.size(), 12);
    EXPECT_EQ(uit.gastRegels[0], "Jansen");
    EXPECT_EQ(uit.gastRegels[1], "Pieter");
    EXPECT_EQ(uit.gastRegels[3], "1234 AB");
    EXPECT_EQ(uit.gastRegels[4], "");
    EXPECT_EQ(uit.gastRegels[11], "Allergisch voor noten");
    EXPECT_EQ(uit.extraRegels, QStringList({"Vroege aankomst", "", "Parkeerplaats gewenst"}));
    EXPECT_EQ(uit.vlaggen, (std::array<uint8_t, 3>{2, 1, 2}));
    // Breakfast on, dinner off; the flags the form does not show come back as they went in.
    EXPECT_EQ(uit.extra, (std::array<uint8_t, 10>{1, 1, 0, 0, 0, 7, 0, 0, 0, 3}));
    EXPECT_EQ(uit.relatieNr, 42);
    EXPECT_EQ(uit.relatieNr2, 4200);
    EXPECT_TRUE(uit.relatieLabels.isEmpty());
    EXPECT_TRUE(uit.relatieWaarden.isEmpty());
}

TEST_F(ResGegNieuw, OkKeepsTheValueStillBeingTyped)
{
    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    dlg.ZetGegevens(Voorbeeld(), 0);
    Toon(dlg, [](TfrmRsvResGeg& d) {
        const QModelIndex cel = d.gvGrid->model()->index(4, d.gvGrid->GetKolomNummer(QStringLiteral("data")));
        d.gvGrid->setCurrentIndex(cel);
        d.gvGrid->edit(cel);
        auto* editor = d.gvGrid->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->setText(QStringLiteral("Utrecht"));
        d.btnOk->click();
    });
    ASSERT_EQ(dlg.Gegevens().gastRegels.size(), 12);
    EXPECT_EQ(dlg.Gegevens().gastRegels[4], "Utrecht");
}

TEST_F(ResGegNieuw, EmptyDetailsComeBackEmptyNotAsBlankLines)
{
    ResGegevens leeg;
    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    dlg.ZetGegevens(leeg, 0);
    Toon(dlg, [](TfrmRsvResGeg& d) { d.btnOk->click(); });
    EXPECT_TRUE(dlg.Gegevens().extraRegels.isEmpty());
    EXPECT_EQ(dlg.Gegevens().vlaggen, (std::array<uint8_t, 3>{0, 0, 0}));
    // The standard rows are all handed back, so the board knows details were gathered.
    EXPECT_EQ(dlg.Gegevens().gastRegels.size(), 12);
    EXPECT_FALSE(dlg.Gegevens().Leeg());
}

TEST_F(ResGegNieuw, AFlagTheRadioGroupsCannotShowIsKept)
{
    ResGegevens vreemd = Voorbeeld();
    vreemd.vlaggen = {9, 1, 255};
    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    dlg.ZetGegevens(vreemd, 0);
    Toon(dlg, [](TfrmRsvResGeg& d) {
        EXPECT_EQ(d.rdgrpResType->ItemIndex(), -1);
        EXPECT_EQ(d.rdgrpZakPriv->ItemIndex(), -1);
        d.btnOk->click();
    });
    EXPECT_EQ(dlg.Gegevens().vlaggen, (std::array<uint8_t, 3>{9, 1, 255}));
}

TEST_F(ResGegNieuw, RelationLabelsReplaceTheStandardRows)
{
    ResGegevens kaart = Voorbeeld();
    kaart.relatieLabels = {QStringLiteral("Bedrijf"), QStringLiteral("Contactpersoon"), QStringLiteral("Plaats")};
    kaart.relatieWaarden = {QStringLiteral("Hotelgroep Noord BV"), QStringLiteral("De Vries")};
    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    dlg.ZetGegevens(kaart, 0);
    Toon(dlg, [](TfrmRsvResGeg& d) {
        ASSERT_EQ(d.gvGrid->RijAantal(), 3);
        EXPECT_EQ(Cel(*d.gvGrid, "label", 0), "Bedrijf");
        EXPECT_EQ(Cel(*d.gvGrid, "label", 2), "Plaats");
        EXPECT_EQ(Cel(*d.gvGrid, "data", 0), "Hotelgroep Noord BV");
        EXPECT_EQ(Cel(*d.gvGrid, "data", 1), "De Vries");
        EXPECT_EQ(Cel(*d.gvGrid, "data", 2), "");
        EXPECT_TRUE(Typ(*d.gvGrid, 2, QStringLiteral("Groningen")));
        d.btnOk->click();
    });
    const ResGegevens& uit = dlg.Gegevens();
    EXPECT_EQ(uit.relatieWaarden, QStringList({"Hotelgroep Noord BV", "De Vries", "Groningen"}));
    EXPECT_EQ(uit.relatieLabels, kaart.relatieLabels);
    // The guest data lines are not what the user saw, so they stay as they were.
    EXPECT_EQ(uit.gastRegels, kaart.gastRegels);
}

TEST_F(ResGegNieuw, EveryWayOutWithoutOkLeavesTheBlockAlone)
{
    const ResGegevens in = Voorbeeld();
    const auto bewerk = [](TfrmRsvResGeg& d) {
        Typ(*d.gvGrid, 0, QStringLiteral("Pietersen"));
        d.rdgrpResType->Item(0)->click();
        d.chkbxExtra1->click();
        d.reExtra->setPlainText(QStringLiteral("anders"));
    };
    const std::vector<std::pair<const char*, Script>> uitwegen{
        {"Annuleren", [&](TfrmRsvResGeg& d) { bewerk(d); d.btnAnnuleren->click(); }},
        {"Esc", [&](TfrmRsvResGeg& d) {
             bewerk(d);
             QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QCoreApplication::sendEvent(&d, &esc);
         }},
        {"venster sluiten", [&](TfrmRsvResGeg& d) { bewerk(d); d.close(); }},
    };
    for (const auto& [naam, script] : uitwegen) {
        SCOPED_TRACE(naam);
        TfrmRsvResGeg dlg(nullptr, nullptr, false);
        dlg.ZetGegevens(in, 0);
        EXPECT_EQ(Toon(dlg, script), mrCancel);
        EXPECT_TRUE(dlg.Gegevens() == in);
        EXPECT_FALSE(dlg.isVisible());
    }
}

TEST_F(ResGegNieuw, AskingTheDetailsChangesTheCallersBlockOnlyOnOk)
{
    ResGegevens gegevens = Voorbeeld();
    for (const bool ok : {false, true}) {
        ModalResponderScope scope([ok](TForm& form) {
            auto& d = static_cast<TfrmRsvResGeg&>(form);
            d.show();
            Typ(*d.gvGrid, 0, QStringLiteral("Pietersen"));
            (ok ? d.btnOk : d.btnAnnuleren)->click();
            return d.ModalResult();
        });
        EXPECT_EQ(VraagResGegevens(nullptr, false, gegevens, 0), ok);
        EXPECT_EQ(gegevens.gastRegels.value(0), ok ? "Pietersen" : "Jansen");
    }
}

}  // namespace
