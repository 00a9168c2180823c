// A stay from booking to check-out with the till server running: the booked
// products land on the room's bill, check-out waits until it is settled, and
// the board colours the room at every step.

#include "tests/checkin/InCheckTest.h"

#include <QLabel>
#include <QPushButton>

#include "board/BordKleuren.h"
#include "board/BordLaden.h"
#include "checkin/Rsvincheckgegunit.h"
#include "checkin/Rsvincheckunit.h"
#include "host/tillra/KSCommunicatie.h"
#include "host/tillra/RegistratieAccess.h"
#include "host/ui/ModalShow.h"
#include "host/ui/TGridView.h"
#include "tests/host/kassaserver/KassaServerProces.h"
#include "tests/support/TempWerkplek.h"

namespace {

// The colour the board gives the stay's bar.
TColor BordKleur(const JaarNr& res)
{
    bord::BordToestand bord;
    bord.startDatum = EncodeDate(2026, 3, 9);
    bord::LoadItems(bord);
    for (const brlib::stRes& item : bord.items)
        if (item.resSleutel == res)
            return bord::BalkKleur(bord, bord::KleurTabel{}, item, 0);
    ADD_FAILURE() << "the board does not show the reservation";
    return 0;
}

class InCheckKassaTest : public InCheckTest {
protected:
    void SetUp() override
    {
        InCheckTest::SetUp();
        server_.ZetAlsKassaServer();
    }
    void TearDown() override
    {
        Tillra::g_KSCommunicatie.reset();
        server_.Stop();
        InCheckTest::TearDown();
    }

    std::vector<Tillra::t_BonRegel> Rekening(const JaarNr& registratie)
    {
        std::vector<Tillra::t_BonRegel> regels;
        EXPECT_TRUE(Tillra::KSVerbinding().KSGetTafelBon(Tillra::ItemNummer(Tillra::itRegistratie, registratie), regels))
            << Tillra::KSVerbinding().LaatsteFout().toStdString();
        return regels;
    }

    TempWerkplek werkplek_;
    KassaServerProces server_{admin_.Dir()};
};

}  // namespace

TEST_F(InCheckKassaTest, FromBookingToCheckOutAgainstTheTill)
{
    const TColor kNietIngecheckt = bord::KleurTabel{}.nietIngecheckt;
    const JaarNr res = Boek({101});
    BoekProducten(res);
    EXPECT_EQ(BordKleur(res), kNietIngecheckt);

    TfrmRsvInCheck lijst(nullptr, nullptr);
    lijst.ZetReservering(res);
    lijst.show();
    ScriptedMessages berichten({msg::idYes, msg::idYes});
    {
        ModalResponderScope scope([](TForm& form) {
            auto& dlg = dynamic_cast<TfrmRsvInCheckGeg&>(form);
            form.show();
            dlg.btnToepassen->click();
            dlg.btnOk->click();
            return form.ModalResult();
        });
        lijst.gvOverzicht->FocusRij(0);
        lijst.btnKamerInCheck->click();
    }
    ASSERT_EQ(berichten.Gezien().size(), 1u);
    EXPECT_EQ(berichten.Laatste().tekst, QStringLiteral("Wilt u bij dit inchecknummer de producten registreren?"));
    const brlib::stRes kamer = lijst.Lijst().Reservering().kamerRegels[0];
    ASSERT_FALSE(kamer.inCheck.kassaRegistratie.IsLeeg());
    EXPECT_TRUE(lijst.gvOverzicht->GetCells(lijst.gvOverzicht->GetKolomNummer("registratienr"), 0).endsWith(" (*)"));
    EXPECT_EQ(BordKleur(res), bord::KleurTabel{}.ingecheckt);

    const std::vector<Tillra::t_BonRegel> rekening = Rekening(kamer.inCheck.kassaRegistratie);
    ASSERT_EQ(rekening.size(), 1u);
    EXPECT_EQ(rekening[0].artikelNr, kOntbijt);
    EXPECT_DOUBLE_EQ(rekening[0].aantal, 2);

    lijst.btnKamerUitCheck->click();
    EXPECT_EQ(berichten.Laatste().tekst,
              QStringLiteral("Kamer 101 kan niet uitgechecked worden: De klant moet nog bestelde producten afrekenen aan de kassa."));
    EXPECT_EQ(BordKleur(res), bord::KleurTabel{}.ingecheckt);

    ASSERT_TRUE(Tillra::KSVerbinding().KSAfrekenen(Tillra::ItemNummer(Tillra::itRegistratie, kamer.inCheck.kassaRegistratie),
                                                   Tillra::AFREKENEN_BETAALD));
    lijst.btnKamerUitCheck->click();
    EXPECT_EQ(berichten.Laatste().tekst, QStringLiteral("Wilt u kamernummer 101 gaan uitchecken?"));
    EXPECT_EQ(lijst.flblStatus->text(), QStringLiteral("Uitgechecked"));
    EXPECT_EQ(+Kop(res).status, 2);
    EXPECT_EQ(Tillra::RegistratieAccess::Inlezen(kamer.inCheck.kassaRegistratie, 0)->GetStatus(),
              Tillra::Registratie::stAfgehandeld);
    EXPECT_EQ(BordKleur(res), bord::KleurTabel{}.uitgecheckt);
    lijst.close();
}
