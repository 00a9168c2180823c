// The details form on a stored reservation: view, edit and save, cancel and
// check-in, worked through the host's modal service as a user would.

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "host/brlib/VoorRegistratie.h"
#include "host/relations/SelecteerRelatie.h"
#include "host/ui/ModalShow.h"
#include "host/ui/TGridView.h"
#include "reservation/RadioGroup.h"
#include "reservation/ResGegBewaren.h"
#include "reservation/Rsvresgegunit.h"
#include "tests/reservation/ResSchrijfTest.h"
#include "tests/support/Schermafdruk.h"
#include "tests/support/TempWerkplek.h"

namespace {

class ResGegOpgeslagen : public ResSchrijfTest {
protected:
    using Script = std::function<void(TfrmRsvResGeg&)>;

    // Shows the details of `sleutel`; the relation picker, when it opens,
    // chooses `kaart_`. A script that leaves the form open counts as closed.
    int Toon(JaarNr sleutel, const Script& script)
    {
        TfrmRsvResGeg dlg(nullptr, nullptr, false);
        dlg.ZetReservering(sleutel);
        ModalResponderScope scope([&](TForm& form) {
            if (auto* kiezer = dynamic_cast<TfrmSelecteerRelatie*>(&form)) {
                kiezer->show();
                Schermafdruk(*kiezer, "SelecteerRelatie");
                return kiezer->Kies(kaart_) ? mrOk : mrCancel;
            }
            form.show();
            script(dlg);
            return form.ModalResult() != mrNone ? form.ModalResult() : mrCancel;
        });
        return ShowModal(dlg);
    }

    static QString Cel(const TGridView& grid, const char* kolom, int rij)
    {
        return grid.GetCells(grid.GetKolomNummer(QString::fromLatin1(kolom)), rij);
    }
    static void Typ(TGridView& grid, const char* kolom, int rij, const QVariant& waarde)
    {
        grid.model()->setData(grid.model()->index(rij, grid.GetKolomNummer(QString::fromLatin1(kolom))), waarde,
                              Qt::EditRole);
    }


    TempWerkplek werkplek_;
    int32_t kaart_ = 0;
};

TEST_F(ResGegOpgeslagen, ViewModeShowsTheReservationAndClosesWithSluiten)
{
    BouwRes bouw;
    bouw.begin = kMaandag;
    bouw.eind = kMaandag + 3;
    bouw.regDatum = EncodeDateTime(2026, 2, 20, 14, 5, 0);
    bouw.gast = {QStringLiteral("Jansen"), QStringLiteral("Piet")};
    bouw.extraTekst = {QStringLiteral("Late aankomst")};
    bouw.totaal = 600;
    bouw.soort = 1;
    bouw.regels = {{101, 0, 0, 100, 300, "STD", 2, 0},
                   {102, 0, kMaandag + 1, 100, 100, "STD", 2, 104},
                   {104, kMaandag + 1, 0, 100, 200, "STD", 3, 0}};
    const JaarNr sleutel = Boek(bouw);
    const int resultaat = Toon(sleutel, [](TfrmRsvResGeg& d) {
        EXPECT_EQ(d.windowTitle(), "Raadplegen reserveringsgegevens");
        EXPECT_EQ(d.flblResBoekNr->text(), "26/00001");
        EXPECT_EQ(d.flblRegDatum->text(), "20-02-2026 (14:05)");
        EXPECT_EQ(d.flblStatus->text(), "Openstaand");
        EXPECT_EQ(d.flblTotBedrag->text(), "600,00");
        EXPECT_FALSE(d.flblGroepNr->isVisible());
        EXPECT_EQ(d.rdgrpResType->ItemIndex(), 1);
        EXPECT_FALSE(d.rdgrpResType->isEnabled());
        EXPECT_FALSE(d.chkbxExtra1->isEnabled());
        EXPECT_FALSE(d.btnOk->isVisible());
        EXPECT_FALSE(d.pnlEindDatum->isVisible());
        EXPECT_FALSE(d.btnSelRel->isVisible());
        EXPECT_EQ(d.btnAnnuleren->text(), "Sluiten");
        EXPECT_TRUE(d.btnResAnnu->isEnabled());
        EXPECT_FALSE(d.btnDelUitGroep->isEnabled());
        EXPECT_TRUE(d.btnVoorReg->isEnabled());
        EXPECT_TRUE(d.reExtra->isReadOnly());
        EXPECT_EQ(Cel(*d.gvGrid, "data", 1), "Piet");
        ASSERT_EQ(d.gvKamers->RijAantal(), 3);
        EXPECT_EQ(Cel(*d.gvKamers, "opm", 1), "*VERPLAATST NAAR 104*");
        EXPECT_EQ(Cel(*d.gvKamers, "personen", 1), "");
        EXPECT_EQ(Cel(*d.gvKamers, "personen", 2), "3");
        Schermafdruk(d, "RsvResGeg-raadplegen");
        d.pgMain->setCurrentWidget(d.tbKamers);
        Schermafdruk(d, "RsvResGeg-kamers");
        d.btnAnnuleren->click();
    });
    EXPECT_EQ(resultaat, 2);
}

TEST_F(ResGegOpgeslagen, EditModeSavesTheEditsAndReturnsToViewMode)
{
    const JaarNr sleutel = BoekJansen(3, 4);
    const int resultaat = Toon(sleutel, [](TfrmRsvResGeg& d) {
        EXPECT_TRUE(d.flblGroepNr->isVisible());
        EXPECT_TRUE(d.btnDelUitGroep->isEnabled());
        d.btnEdit->click();
        EXPECT_EQ(d.windowTitle(), "Wijzigen reserveringsgegevens");
        EXPECT_TRUE(d.btnOk->isVisible());
        EXPECT_TRUE(d.btnSelRel->isVisible());
        EXPECT_FALSE(d.btnEdit->isVisible());
        EXPECT_FALSE(d.btnResAnnu->isVisible());
        EXPECT_EQ(d.btnAnnuleren->text(), "Annuleren");
        EXPECT_EQ(d.dtpckEindDatum->date(), QDate(2026, 3, 5));
        EXPECT_TRUE(d.rdgrpResType->isEnabled());
        Typ(*d.gvGrid, "data", 0, QStringLiteral("de Vries"));
        Typ(*d.gvKamers, "personen", 1, 4);
        d.rdgrpNat->SetItemIndex(2);
        d.reExtra->setPlainText(QStringLiteral("Met hond"));
        Schermafdruk(d, "RsvResGeg-wijzigen");
        d.btnOk->click();
        EXPECT_EQ(d.ModalResult(), mrNone) << "OK in edit mode keeps the form open";
        EXPECT_EQ(d.windowTitle(), "Raadplegen reserveringsgegevens");
        EXPECT_EQ(Cel(*d.gvGrid, "data", 0), "de Vries");
    });
    EXPECT_EQ(resultaat, mrCancel);
    const brlib::RsvReservering res = Lees(sleutel);
    EXPECT_EQ(res.gastRegels.value(0), "de Vries");
    EXPECT_EQ(res.extraRegels, QStringList{"Met hond"});
    EXPECT_EQ(res.nationaliteit, 2);
    EXPECT_EQ(res.kamerRegels[1].personen, 4);
    EXPECT_TRUE(berichten_.Gezien().empty());
}

TEST_F(ResGegOpgeslagen, ASaveAfterAChangeElsewhereShowsTheOtherWorkstationsData)
{
    const JaarNr sleutel = BoekJansen();
    Toon(sleutel, [&](TfrmRsvResGeg& d) {
        d.btnEdit->click();
        Typ(*d.gvGrid, "data", 0, QStringLiteral("Hier"));
        {
            brlib::WerkstationScope tweede(admin_.Second());
            brlib::RsvReservering res = Lees(sleutel);
            ResWijziging elders{sleutel, res.wijzigTeller, {}, {}, res.kamerRegels, res.eind, res.totaalBedrag};
            elders.gegevens.gastRegels = QStringList{"Elders"};
            ASSERT_EQ(BewaarResWijziging(elders, "ander"), ActieUitkomst::Gedaan);
        }
        d.btnOk->click();
        EXPECT_EQ(d.windowTitle(), "Raadplegen reserveringsgegevens");
        EXPECT_EQ(Cel(*d.gvGrid, "data", 0), "Elders");
    });
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().titel, "Reserveringsgegevens");
    EXPECT_EQ(Lees(sleutel).gastRegels, QStringList{"Elders"});
}

TEST_F(ResGegOpgeslagen, CancellingAsksFirstAndEndsWithResultOne)
{
    const JaarNr sleutel = BoekJansen();
    ScriptedMessages nee({msg::idNo});
    EXPECT_EQ(Toon(sleutel, [](TfrmRsvResGeg& d) { d.btnResAnnu->click(); }), mrCancel);
    EXPECT_EQ(nee.Laatste().titel, "Reservering annuleren");
    EXPECT_EQ(Lees(sleutel).status, brlib::rsOpenstaand);

    ScriptedMessages ja({msg::idYes});
    EXPECT_EQ(Toon(sleutel, [](TfrmRsvResGeg& d) { d.btnResAnnu->click(); }), 1);
    EXPECT_EQ(ja.Laatste().tekst, "Wilt u deze reservering annuleren?");
    EXPECT_EQ(Lees(sleutel).status, brlib::rsGeannuleerd);
}

TEST_F(ResGegOpgeslagen, CheckInEndsWithResultThree)
{
    EXPECT_EQ(Toon(BoekJansen(), [](TfrmRsvResGeg& d) { d.btnInCheck->click(); }), 3);
}

TEST_F(ResGegOpgeslagen, APickedRelationFillsTheEmptyRowsOfTheRoomShownAtOnce)
{
    relaties::RelatieBestand bestand{relaties::StandaardVeldNamen(), {{77, 7007, {"Smit, Els", "Laan 2"}}}};
    ASSERT_TRUE(relaties::SchrijfRelatieBestand(bestand));
    kaart_ = 77;
    const JaarNr sleutel = BoekJansen();
    Toon(sleutel, [](TfrmRsvResGeg& d) {
        d.btnEdit->click();
        d.btnVoorReg->click();
        EXPECT_TRUE(d.pnlVoorReg->isVisible());
        EXPECT_EQ(d.btnSelRel->text(), "Selecteer relatie");
        EXPECT_EQ(Cel(*d.gvGrid, "data", 0), "") << "room 101 has no person yet";
        d.btnSelRel->click();
        EXPECT_EQ(d.flblRelNr->text(), "7007");
        EXPECT_EQ(Cel(*d.gvGrid, "data", 1), "Els");
        d.btnOk->click();
    });
    std::vector<brlib::stVoorReg> voorRegs;
    brlib::RsvGetVoorRegistratie(sleutel, voorRegs);
    ASSERT_EQ(voorRegs.size(), 1u);
    EXPECT_EQ(voorRegs[0].kamerNr, 101);
    EXPECT_EQ(voorRegs[0].relatieNr, 7007);
    EXPECT_EQ(voorRegs[0].regels.mid(0, 3), QStringList({"Smit", "Els", "Laan 2"}));
    EXPECT_EQ(Lees(sleutel).gastRegels.mid(0, 2), QStringList({"Jansen", "Piet"})) << "the main guest stays";
    EXPECT_TRUE(berichten_.Gezien().empty());
}

}  // namespace
