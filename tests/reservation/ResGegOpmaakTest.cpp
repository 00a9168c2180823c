// What the user sees of a new reservation's details form, and where it opens.

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "host/base/MachineSettings.h"
#include "host/ui/BrlKeyPad.h"
#include "reservation/RadioGroup.h"
#include "tests/reservation/ResGegTest.h"

namespace {

class ResGegOpmaak : public ResGegTest {};

QStringList Items(const TRadioGroup& groep)
{
    QStringList items;
    for (int i = 0; i < groep.ItemAantal(); ++i)
        items << groep.Item(i)->text();
    return items;
}

QStringList Labels(const TGridView& grid)
{
    QStringList labels;
    for (int rij = 0; rij < grid.RijAantal(); ++rij)
        labels << grid.GetCells(grid.GetKolomNummer(QStringLiteral("label")), rij);
    return labels;
}

TEST_F(ResGegOpmaak, NewModeCaptionsAndChoices)
{
    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    EXPECT_EQ(dlg.Caption(), "Reserveringsgegevens");
    EXPECT_EQ(dlg.size(), QSize(696, 572));
    EXPECT_EQ(dlg.minimumWidth(), 636);
    dlg.ZetGegevens(Voorbeeld(), 0);
    Toon(dlg, [](TfrmRsvResGeg& d) {
        EXPECT_EQ(d.Caption(), "Invoeren reserveringsgegevens");
        EXPECT_EQ(d.rdgrpResType->title(), "Type");
        EXPECT_EQ(Items(*d.rdgrpResType), QStringList({"Reservering", "Optie", "Blokkade"}));
        EXPECT_EQ(d.rdgrpZakPriv->title(), "Zakelijk/prive");
        EXPECT_EQ(Items(*d.rdgrpZakPriv), QStringList({"Onbekend", "Zakelijk", "Prive"}));
        EXPECT_EQ(d.rdgrpNat->title(), "Nationaliteit");
        EXPECT_EQ(Items(*d.rdgrpNat), QStringList({"Onbekend", "Nederlandse", "Buitenlandse"}));
        EXPECT_EQ(d.grpbxExtra->title(), "Extra");
        EXPECT_EQ(d.chkbxExtra1->text(), "Ontbijt");
        EXPECT_EQ(d.chkbxExtra2->text(), "Lunch");
        EXPECT_EQ(d.chkbxExtra3->text(), "Diner");
        EXPECT_EQ(d.lblGroepNr->text(), "Groep:");
        EXPECT_EQ(Labels(*d.gvGrid).join(u'|'), "Naam|Voornaam|Adres|Postcode|Woonplaats|Land|Telefoon|E-mail|"
                                                 "Geb.datum|Paspoort|Bijzonderheden I|Bijzonderheden II");
        Schermafdruk(d, "RsvResGeg-nieuw");
    });
}

TEST_F(ResGegOpmaak, NewModeShowsOnlyWhatANewReservationCanUse)
{
    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    dlg.ZetGegevens(Voorbeeld(), 0);
    Toon(dlg, [](TfrmRsvResGeg& d) {
        const QTabWidget& pg = *d.pgMain;
        EXPECT_EQ(pg.tabText(pg.indexOf(d.tbRelatie)), "Relatie");
        EXPECT_EQ(pg.tabText(pg.indexOf(d.tbExtra)), "Extra");
        EXPECT_EQ(pg.tabText(pg.indexOf(d.tbKamers)), "Kamers");
        EXPECT_EQ(pg.tabText(pg.indexOf(d.tbArtikel)), "Producten");
        EXPECT_FALSE(pg.isTabVisible(pg.indexOf(d.tbKamers)));
        EXPECT_TRUE(pg.isTabVisible(pg.indexOf(d.tbArtikel)));
        EXPECT_TRUE(pg.isTabEnabled(pg.indexOf(d.tbArtikel)));
        EXPECT_TRUE(pg.isTabEnabled(pg.indexOf(d.tbExtra)));

        EXPECT_EQ(d.btnOk->text(), "OK");
        EXPECT_EQ(d.btnAnnuleren->text(), "Annuleren");
        EXPECT_TRUE(d.btnOk->isVisible());
        EXPECT_TRUE(d.btnAnnuleren->isVisible());
        EXPECT_EQ(d.btnSelRel->text(), "Selecteer debiteur");
        EXPECT_TRUE(d.btnSelRel->isVisible());
        EXPECT_EQ(d.btnVoorReg->text(), "Voor-registratie");
        EXPECT_FALSE(d.btnVoorReg->isEnabled());
        for (QWidget* verborgen : std::initializer_list<QWidget*>{d.btnInCheck, d.btnResAnnu, d.btnDelUitGroep,
                                                                  d.btnAfdrukken, d.btnEmail, d.btnEdit,
                                                                  d.pnlEindDatum, d.pnlVoorReg})
            EXPECT_FALSE(verborgen->isVisible()) << verborgen->objectName().toStdString();
        EXPECT_TRUE(d.gvGrid->EditMode());
        EXPECT_FALSE(d.reExtra->isReadOnly());
    });
}

TEST_F(ResGegOpmaak, TheValueColumnTakesWhatTheLabelColumnLeaves)
{
    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    Toon(dlg, [](TfrmRsvResGeg& d) {
        TGridView& grid = *d.gvGrid;
        const auto gevuld = [&] {
            QCoreApplication::sendPostedEvents();
            return grid.KolomBreedte(QStringLiteral("label")) + grid.KolomBreedte(QStringLiteral("data"));
        };
        EXPECT_EQ(gevuld(), grid.viewport()->width());
        d.resize(900, 600);
        EXPECT_EQ(gevuld(), grid.viewport()->width());
        grid.ZetKolomBreedte(QStringLiteral("label"), 200);
        EXPECT_EQ(gevuld(), grid.viewport()->width());
    });
}

TEST_F(ResGegOpmaak, TheFormOpensWhereTheUserLeftIt)
{
    {
        TfrmRsvResGeg dlg(nullptr, nullptr, false);
        Toon(dlg, [](TfrmRsvResGeg& d) {
            d.setGeometry(40, 50, 720, 600);
            d.btnAnnuleren->click();
        });
    }
    EXPECT_FALSE(MachineSettings(QStringLiteral("RsvResGeg")).ReadString(QStringLiteral("form"), {}).isEmpty());
    TfrmRsvResGeg opnieuw(nullptr, nullptr, false);
    Toon(opnieuw, [](TfrmRsvResGeg& d) {
        EXPECT_EQ(d.geometry().size(), QSize(720, 600));
        d.btnOk->click();
    });
}

TEST_F(ResGegOpmaak, OnATouchTillOnlyTheStandAloneFormGetsTheKeypad)
{
    MachineSettings(QStringLiteral("Kassa")).WriteBool(QStringLiteral("SchermToetsenbord"), true);
    for (const bool standAlone : {false, true}) {
        TfrmRsvResGeg dlg(nullptr, nullptr, standAlone);
        Toon(dlg, [&](TfrmRsvResGeg& d) {
            EXPECT_EQ(BrlKeyPad::Of(&d) != nullptr, standAlone);
            d.btnAnnuleren->click();
        });
    }
}

}  // namespace
