// The check-in list and the room dialog worked as a user would: the rows of
// a room, a first check-in with its default person, editing and removing
// persons, and a change made elsewhere while the dialog was open.

#include "tests/support/Schermafdruk.h"
#include "tests/checkin/InCheckTest.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "checkin/Rsvincheckgegunit.h"
#include "checkin/Rsvincheckunit.h"
#include "host/base/GlobalSettings.h"
#include "host/relations/RelatieBestand.h"
#include "host/relations/SelecteerRelatie.h"
#include "host/tillra/RegistratieAccess.h"
#include "host/ui/ModalShow.h"
#include "host/ui/TGridView.h"
#include "reservation/ReserveringSchrijver.h"
#include "tests/support/TempWerkplek.h"

namespace {

QString Cel(const TGridView& grid, const char* kolom, int rij)
{
    return grid.GetCells(grid.GetKolomNummer(QString::fromLatin1(kolom)), rij);
}

bool Typ(TGridView& grid, int rij, const QString& tekst)
{
    const QModelIndex index = grid.model()->index(rij, grid.GetKolomNummer(QStringLiteral("data")));
    return grid.model()->setData(index, tekst, Qt::EditRole);
}

class InCheckFormTest : public InCheckTest {
protected:
    using Script = std::function<void(TfrmRsvInCheckGeg&)>;

    // The room dialog opened from the list's selected row, worked by `script`.
    static int CheckInVia(TfrmRsvInCheck& lijst, int rij, const Script& script)
    {
        int resultaat = mrNone;
        ModalResponderScope scope([&](TForm& form) {
            auto& dlg = dynamic_cast<TfrmRsvInCheckGeg&>(form);
            form.show();
            script(dlg);
            resultaat = form.ModalResult();
            if (resultaat == mrNone) {
                form.close();
                resultaat = mrCancel;
            }
            return resultaat;
        });
        lijst.gvOverzicht->FocusRij(rij);
        lijst.btnKamerInCheck->click();
        return resultaat;
    }

    TempWerkplek werkplek_;
};

}  // namespace

TEST_F(InCheckFormTest, AFirstCheckInOffersOneEmptyPersonInEditModeAndStoresIt)
{
    const JaarNr res = Boek({101, 102});
    TfrmRsvInCheck lijst(nullptr, nullptr);
    lijst.ZetReservering(res);
    lijst.show();
    EXPECT_EQ(lijst.gvOverzicht->RijAantal(), 2);
    EXPECT_EQ(lijst.flblResBoekNr->text(), res.String(2, 5));
    EXPECT_EQ(lijst.flblStatus->text(), QStringLiteral("Openstaand"));

    ScriptedMessages berichten({msg::idNo});
    const int resultaat = CheckInVia(lijst, 1, [](TfrmRsvInCheckGeg& d) {
        EXPECT_EQ(d.flblInCheckNr->text(), QStringLiteral("NIEUW"));
        EXPECT_EQ(d.flblKamerNr->text(), QStringLiteral("102"));
        ASSERT_EQ(d.Personen().size(), 1u);
        EXPECT_TRUE(d.gvGrid->EditMode());
        EXPECT_FALSE(d.btnOk->isEnabled());
        EXPECT_FALSE(d.btnAnnuleren->isEnabled());
        EXPECT_TRUE(d.btnToepassen->isEnabled());
        EXPECT_FALSE(d.close()) << "a person being edited keeps the dialog open";
        Typ(*d.gvGrid, 0, QStringLiteral("Pietersen"));
        Typ(*d.gvGrid, 1, QStringLiteral("Karel"));
        d.btnToepassen->click();
        EXPECT_EQ(Cel(*d.gvPers, "naam", 0), QStringLiteral("Pietersen, Karel"));
        EXPECT_EQ(Cel(*d.gvPers, "persoonnr", 0), QStringLiteral("(NIEUW)"));
        Schermafdruk(d, "inchecken-kamer");
        d.btnOk->click();
    });
    EXPECT_EQ(resultaat, mrOk);
    ASSERT_EQ(berichten.Gezien().size(), 1u);
    EXPECT_EQ(berichten.Laatste().tekst, QStringLiteral("Wilt u bij dit inchecknummer de producten registreren?"));
    EXPECT_EQ(berichten.Laatste().titel, QStringLiteral("Inchecken/registreren"));

    EXPECT_EQ(Cel(*lijst.gvOverzicht, "status", 1), QStringLiteral("Ingechecked"));
    EXPECT_EQ(Cel(*lijst.gvOverzicht, "inchecknr", 1), QStringLiteral("26/00001"));
    EXPECT_EQ(Cel(*lijst.gvOverzicht, "personen", 1), QStringLiteral("Pietersen, Karel"));
    EXPECT_FALSE(Cel(*lijst.gvOverzicht, "registratienr", 1).isEmpty());
    EXPECT_EQ(+Kop(res).status, 0);
    Schermafdruk(lijst, "inchecken");
    lijst.close();
}

TEST_F(InCheckFormTest, AllRowsOfARoomActOnThatRoomAndARemovedPersonIsGone)
{
    const JaarNr res = Boek({101, 102});
    {
        incheck::InCheckLijst l = Lijst(res);
        CheckIn(l, 0, {Persoon("Jansen"), Persoon("de Vries"), Persoon("Bakker")});
    }
    TfrmRsvInCheck lijst(nullptr, nullptr);
    lijst.ZetReservering(res);
    lijst.ZetFocusInCheck(JaarNr(2026, 1));
    lijst.show();
    ASSERT_EQ(lijst.gvOverzicht->RijAantal(), 4);
    EXPECT_EQ(lijst.RijKamers(), (std::vector<int>{0, 0, 0, 1}));
    EXPECT_EQ(lijst.gvOverzicht->HuidigeRij(), 0);

    ScriptedMessages berichten({msg::idYes});
    const int resultaat = CheckInVia(lijst, 2, [](TfrmRsvInCheckGeg& d) {
        EXPECT_EQ(d.flblInCheckNr->text(), QStringLiteral("26/00001"));
        ASSERT_EQ(d.Personen().size(), 3u);
        d.gvPers->FocusRij(1);
        d.btnVerwijderen->click();
        d.btnOk->click();
    });
    EXPECT_EQ(resultaat, mrOk);
    EXPECT_EQ(berichten.Gezien()[0].tekst, QStringLiteral("Wilt u de geselecteerde persoon verwijderen?"));
    EXPECT_EQ(lijst.gvOverzicht->RijAantal(), 3);
    EXPECT_EQ(Cel(*lijst.gvOverzicht, "personen", 1), QStringLiteral("Bakker, Piet"));
    EXPECT_EQ(Lijst(res).Reservering().kamerRegels[0].inCheck.personen.size(), 2u);
    lijst.close();
}

TEST_F(InCheckFormTest, AChangeElsewhereClosesTheDialogWithFourAndStoresNothing)
{
    const JaarNr res = Boek({101});
    GlobalSettings(QStringLiteral("Reservering")).WriteBool(QStringLiteral("AutoProdReg"), true);
    TfrmRsvInCheck lijst(nullptr, nullptr);
    lijst.ZetReservering(res);
    lijst.show();
    ScriptedMessages berichten;
    const int resultaat = CheckInVia(lijst, 0, [&](TfrmRsvInCheckGeg& d) {
        d.btnToepassen->click();
        BoekProducten(res);  // another workstation
        d.btnOk->click();
    });
    EXPECT_EQ(resultaat, 4);
    ASSERT_EQ(berichten.Gezien().size(), 1u) << "no product question with AutoProdReg";
    EXPECT_TRUE(berichten.Laatste().tekst.startsWith(QStringLiteral("De wijzigingen kunnen niet geregistreerd worden")));
    EXPECT_EQ(+Regel(2026, Lijst(res).Reservering().kamerRegels[0].regelNr).inCheckNr, 0);
    EXPECT_EQ(RecordCache<WIN_rsv_incheck>(Bestanden::InCheck, brlib::tfPerJaar, true, true).RecordCount(2026), 0);
    EXPECT_FALSE(Tillra::RegistratieAccess::Inlezen(JaarNr(2026, 1), 0)) << "no registration was made";
    EXPECT_EQ(+Kop(res).productStatus, 1);
    EXPECT_EQ(Cel(*lijst.gvOverzicht, "status", 0), QString());
    EXPECT_EQ(lijst.Lijst().Reservering().wijzigTeller, +Kop(res).wijzigTeller) << "the list read it again";
    lijst.close();
}

TEST_F(InCheckFormTest, TheFirstPersonComesFromThePreRegistrationElseWithDebOvernemenFromTheReservation)
{
    GlobalSettings(QStringLiteral("Reservering")).WriteBool(QStringLiteral("DebOvernemen"), true);
    const JaarNr res = Boek({101, 102});
    {
        brlib::RsvActie actie;
        ASSERT_TRUE(actie.Locked());
        ReserveringSchrijver schrijver;
        brlib::stVoorReg voorReg;
        voorReg.kamerNr = 102;
        voorReg.regels = {QStringLiteral("Bakker"), QStringLiteral("Anna")};
        voorReg.relatieNr = 77;
        schrijver.WijzigKop(res, [&](WIN_rsv_res_hfd& kop) { schrijver.SchrijfVoorRegs(kop, res, {voorReg}); });
        actie.Commit();
    }
    TfrmRsvInCheck lijst(nullptr, nullptr);
    lijst.ZetReservering(res);
    lijst.show();
    const auto eerstePersoon = [&](int rij) {
        QStringList waarden;
        CheckInVia(lijst, rij, [&](TfrmRsvInCheckGeg& d) {
            for (int r = 0; r < 3; ++r)
                waarden << Cel(*d.gvGrid, "data", r);
            waarden << d.flblRelNr->text();
            d.btnToepassen->click();
            d.btnAnnuleren->click();
        });
        return waarden;
    };
    EXPECT_EQ(eerstePersoon(1), (QStringList{"Bakker", "Anna", "", "77"}));
    EXPECT_EQ(eerstePersoon(0), (QStringList{"Jansen", "Dorpsstraat 1", "", ""}));
    EXPECT_TRUE(Lijst(res).Reservering().kamerRegels[0].inCheck.sleutel.IsLeeg()) << "cancelled stores nothing";
    lijst.close();
}

TEST_F(InCheckFormTest, TheRelationPickerFillsAnEmptyPersonFromTheChosenCard)
{
    relaties::RelatieBestand bestand{relaties::StandaardVeldNamen(), {}};
    bestand.kaarten.push_back({12, 4711, {QStringLiteral("Visser, Jan"), QStringLiteral("Kade 3"),
                                          QStringLiteral("1011 AB"), QStringLiteral("Amsterdam")}});
    ASSERT_TRUE(relaties::SchrijfRelatieBestand(bestand));
    const JaarNr res = Boek({101});
    TfrmRsvInCheck lijst(nullptr, nullptr);
    lijst.ZetReservering(res);
    lijst.show();
    QStringList waarden;
    ModalResponderScope scope([&](TForm& form) {
        if (auto* kiezer = dynamic_cast<TfrmSelecteerRelatie*>(&form))
            return kiezer->Kies(12) ? mrOk : mrCancel;
        auto& dlg = dynamic_cast<TfrmRsvInCheckGeg&>(form);
        form.show();
        EXPECT_TRUE(dlg.btnSelRel->isEnabled());
        dlg.btnSelRel->click();
        for (int r = 0; r < 4; ++r)
            waarden << Cel(*dlg.gvGrid, "data", r);
        waarden << dlg.flblRelNr->text();
        form.close();
        return mrCancel;
    });
    lijst.gvOverzicht->FocusRij(0);
    lijst.btnKamerInCheck->click();
    EXPECT_EQ(waarden, (QStringList{"Visser", "Jan", "Kade 3", "1011 AB", "4711"}));
    lijst.close();
}

TEST_F(InCheckFormTest, AListOpenedWithoutAReservationClosesItself)
{
    TfrmRsvInCheck lijst(nullptr, nullptr);
    lijst.show();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(lijst.isVisible());
}
