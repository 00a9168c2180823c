// Storing a room's check-in: numbers, the till registration, persons and
// their chain, the products flag, cancelling, and what a change elsewhere or
// a busy lock leaves on disk.

#include "tests/checkin/InCheckTest.h"

#include "checkin/IncheckAnnuleren.h"
#include "host/records/TekstLijst.h"
#include "host/tillra/RegistratieAccess.h"
#include "store/WinRsvPersoon.h"

namespace {

std::vector<int32_t> PersoonKetting(int32_t eerste)
{
    RecordCache<WIN_rsv_persoon> persoon(Bestanden::Persoon, brlib::tfEenBestand, true, true);
    std::vector<int32_t> ketting;
    for (int32_t nr = eerste; nr != 0 && ketting.size() < 20; nr = persoon.Record(nr).volgende)
        ketting.push_back(nr);
    return ketting;
}

}  // namespace

TEST_F(InCheckTest, CheckInNumbersCountPerYearFromOneAndEachOpensARegistration)
{
    const JaarNr res = Boek({101, 102});
    incheck::InCheckLijst lijst = Lijst(res);
    CheckIn(lijst, 1);
    CheckIn(lijst, 0);

    const brlib::stRes& eerste = lijst.Reservering().kamerRegels[1];
    EXPECT_EQ(eerste.inCheck.sleutel, JaarNr(2026, 1));
    EXPECT_EQ(lijst.Reservering().kamerRegels[0].inCheck.sleutel, JaarNr(2026, 2));
    EXPECT_EQ(DateOf(eerste.inCheck.inCheckTijd), vandaag_);
    EXPECT_FALSE(eerste.inCheck.kassaRegistratie.IsLeeg());
    EXPECT_EQ(+Regel(2026, eerste.regelNr).inCheckNr, 1);
    const WIN_rsv_incheck rcd = InCheckRecord(JaarNr(2026, 1));
    EXPECT_EQ(+rcd.hfdNr, res.nr);
    EXPECT_EQ(+rcd.rglNr, eerste.regelNr);
    EXPECT_EQ(+rcd.wijzigTeller, 1);
    EXPECT_EQ(Tillra::RegistratieAccess::Inlezen(eerste.inCheck.kassaRegistratie, 0)->GetInCheckNr(), JaarNr(2026, 1));
    EXPECT_EQ(lijst.Reservering().status, brlib::rsIngechecked);
    EXPECT_EQ(+Kop(res).status, 1);

    HuidigeDatumVast volgendJaar(EncodeDate(2027, 3, 10));
    const JaarNr res2027 = Boek({101}, EncodeDate(2027, 3, 10));
    incheck::InCheckLijst lijst2027 = Lijst(res2027);
    CheckIn(lijst2027, 0);
    EXPECT_EQ(lijst2027.Reservering().kamerRegels[0].inCheck.sleutel, JaarNr(2027, 1));
}

TEST_F(InCheckTest, PersonsAreChainedWithTheirValuesAndARemovedPersonLeavesTheChain)
{
    const JaarNr res = Boek({101});
    incheck::InCheckLijst lijst = Lijst(res);
    CheckIn(lijst, 0, {Persoon("Jansen"), Persoon("de Vries"), Persoon("Bakker")});
    const std::vector<brlib::stPersoon> opgeslagen = lijst.Reservering().kamerRegels[0].inCheck.personen;
    ASSERT_EQ(opgeslagen.size(), 3u);
    EXPECT_EQ(PersoonKetting(InCheckRecord(JaarNr(2026, 1)).eerstePersoon),
              (std::vector<int32_t>{opgeslagen[0].recNr, opgeslagen[1].recNr, opgeslagen[2].recNr}));

    incheck::InCheckLijst opnieuw = Lijst(res);
    const std::vector<brlib::stPersoon> gelezen = opnieuw.Reservering().kamerRegels[0].inCheck.personen;

    // The middle person goes, a new one comes, the first is changed.
    std::vector<brlib::stPersoon> personen{gelezen[0], gelezen[2], Persoon("Smit")};
    personen[0].waarden[1] = QStringLiteral("Jan");
    const JaarNr registratie = opnieuw.Reservering().kamerRegels[0].inCheck.kassaRegistratie;
    CheckIn(opnieuw, 0, personen);

    const std::vector<int32_t> ketting = PersoonKetting(InCheckRecord(JaarNr(2026, 1)).eerstePersoon);
    ASSERT_EQ(ketting.size(), 3u);
    EXPECT_EQ(ketting[0], gelezen[0].recNr);
    EXPECT_EQ(ketting[1], gelezen[2].recNr);
    EXPECT_EQ(std::count(ketting.begin(), ketting.end(), gelezen[1].recNr), 0);
    const brlib::stRes kamer = Lijst(res).Reservering().kamerRegels[0];
    EXPECT_EQ(kamer.inCheck.sleutel, JaarNr(2026, 1)) << "editing keeps the number";
    EXPECT_EQ(kamer.inCheck.kassaRegistratie, registratie) << "and the registration";
    EXPECT_EQ(kamer.inCheck.personen[0].waarden[1], QStringLiteral("Jan"));
    EXPECT_EQ(kamer.inCheck.personen[2].waarden[0], QStringLiteral("Smit"));
}

TEST_F(InCheckTest, RegisteringProductsMarksTheHeaderAndCancellingGivesThemBack)
{
    const JaarNr res = Boek({101, 102});
    BoekProducten(res);
    incheck::InCheckLijst lijst = Lijst(res);
    const int32_t tellerVoor = lijst.Reservering().wijzigTeller;
    CheckIn(lijst, 0, {}, true);
    EXPECT_EQ(+Kop(res).productStatus, 2);
    EXPECT_EQ(lijst.Reservering().productStatus, 2);
    EXPECT_GT(+Kop(res).wijzigTeller, tellerVoor);
    EXPECT_TRUE(lijst.Reservering().kamerRegels[0].inCheck.productenGeregistreerd);
    CheckIn(lijst, 1);

    ScriptedMessages ja({msg::idYes});
    lijst.AnnuleerIncheck(0);
    ASSERT_EQ(ja.Gezien().size(), 1u);
    EXPECT_EQ(ja.Laatste().tekst, QStringLiteral("Wilt u de incheck op kamernummer 101 annuleren?"));
    EXPECT_EQ(+Kop(res).productStatus, 1);
    EXPECT_EQ(+InCheckRecord(JaarNr(2026, 1)).geannuleerd, 1);
    EXPECT_TRUE(lijst.Reservering().kamerRegels[0].inCheck.sleutel.IsLeeg());
    EXPECT_EQ(+Kop(res).status, 1) << "cancelling does not recompute the status";
}

TEST_F(InCheckTest, ACancelIsRefusedOnceTheRegistrationWasPaid)
{
    const JaarNr res = Boek({101});
    incheck::InCheckLijst lijst = Lijst(res);
    CheckIn(lijst, 0);
    const JaarNr registratie = lijst.Reservering().kamerRegels[0].inCheck.kassaRegistratie;
    Bestel(registratie);
    Afrekenen(registratie, Tillra::AFREKENEN_BETAALD);
    ScriptedMessages berichten;
    lijst.AnnuleerIncheck(0);
    EXPECT_EQ(berichten.Laatste().tekst,
              QStringLiteral("De incheck op kamer 101 kan niet geannuleerd worden: De registratie is al (gedeeltelijk) betaald."));
    EXPECT_FALSE(lijst.Reservering().kamerRegels[0].inCheck.sleutel.IsLeeg());
}

TEST_F(InCheckTest, ALockHeldElsewhereLeavesEverythingAsItWas)
{
    const JaarNr res = Boek({101});
    incheck::InCheckLijst lijst = Lijst(res);
    auto ander = admin_.Second();
    {
        brlib::WerkstationScope scope(ander);
        ASSERT_TRUE(brlib::RsvLock());
    }
    EXPECT_EQ(incheck::InCheckOpslaan(lijst.Reservering(), {0, {Persoon("Jansen")}, false}),
              incheck::InCheckUitkomst::GeenSlot);
    EXPECT_TRUE(lijst.Reservering().kamerRegels[0].inCheck.sleutel.IsLeeg());
    {
        brlib::WerkstationScope scope(ander);
        brlib::RsvUnlock();
    }
    CheckIn(lijst, 0);
    {
        brlib::WerkstationScope scope(ander);
        ASSERT_TRUE(brlib::MultiLockFile({QStringLiteral("rsv")}));
    }
    ScriptedMessages berichten({msg::idYes});
    lijst.KamerUitchecken(0);
    EXPECT_EQ(berichten.Gezien().size(), 1u) << "only the question; a refused lock says nothing";
    EXPECT_EQ(+InCheckRecord(JaarNr(2026, 1)).uitgecheckt, 0);
    brlib::WerkstationScope scope(ander);
    brlib::MultiUnlockFile({QStringLiteral("rsv")});
}
