// Checking rooms out against the till: what blocks it, the summaries of
// "Alles uitchecken", setting a room back, and the reservation status.

#include "tests/checkin/InCheckTest.h"

#include "checkin/InCheckToestand.h"
#include "host/tillra/RegistratieAccess.h"

namespace {

brlib::stRes Kamer(bool ingecheckt, bool uitgecheckt)
{
    brlib::stRes k;
    if (ingecheckt)
        k.inCheck.sleutel = JaarNr(2026, 1);
    k.inCheck.uitgecheckt = uitgecheckt;
    return k;
}

int RegistratieStatus(const JaarNr& registratie)
{
    return Tillra::RegistratieAccess::Inlezen(registratie, 0).value_or(Tillra::Registratie{}).GetStatus();
}

}  // namespace

TEST(ReserveringStatus, FollowsTheRoomsAndNeverChangesACancelledReservation)
{
    using incheck::StatusVanKamers;
    EXPECT_EQ(StatusVanKamers({Kamer(true, false), Kamer(false, false)}, 0), 0);
    EXPECT_EQ(StatusVanKamers({Kamer(true, false), Kamer(true, true)}, 0), 1);
    EXPECT_EQ(StatusVanKamers({Kamer(true, true), Kamer(true, true)}, 1), 2);
    EXPECT_EQ(StatusVanKamers({Kamer(true, false), Kamer(true, false)}, 2), 1) << "a room set back";
    EXPECT_EQ(StatusVanKamers({}, 0), 2);
    EXPECT_EQ(StatusVanKamers({Kamer(true, true)}, 99), 99);
}

TEST_F(InCheckTest, ARegisteredRoomCannotLeaveWithOrderedProductsOrAnOpenAmount)
{
    const JaarNr res = Boek({7});
    incheck::InCheckLijst lijst = Lijst(res);
    CheckIn(lijst, 0);
    const JaarNr registratie = lijst.Reservering().kamerRegels[0].inCheck.kassaRegistratie;
    ScriptedMessages berichten;

    Bestel(registratie);
    lijst.KamerUitchecken(0);
    EXPECT_EQ(berichten.Laatste().kind, MsgKind::Error);
    EXPECT_EQ(berichten.Laatste().titel, kLijstTitel);
    EXPECT_EQ(berichten.Laatste().tekst,
              QStringLiteral("Kamer 7 kan niet uitgechecked worden: De klant moet nog bestelde producten afrekenen aan de kassa."));

    Afrekenen(registratie, Tillra::AFREKENEN_OP_REKENING);
    Bestel(registratie);
    lijst.KamerUitchecken(0);
    EXPECT_TRUE(berichten.Laatste().tekst.endsWith(QStringLiteral("afrekenen aan de kassa.")))
        << "open products are named before the open amount";

    Bestel(registratie, -1);
    lijst.KamerUitchecken(0);
    EXPECT_EQ(berichten.Laatste().tekst,
              QStringLiteral("Kamer 7 kan niet uitgechecked worden: De klant heeft nog een openstaand bedrag, verreken "
                             "dit eerst op de kassa."));
    EXPECT_EQ(+InCheckRecord(JaarNr(2026, 1)).uitgecheckt, 0);
    EXPECT_EQ(+Kop(res).status, 1);
}

TEST_F(InCheckTest, OnlyAnUnregisteredRoomCanBeSetBackToCheckedIn)
{
    const JaarNr res = Boek({101, 102, 103});
    incheck::InCheckLijst lijst = Lijst(res);
    CheckIn(lijst, 0);
    CheckInZonderRegistratie(lijst, 1);
    ScriptedMessages berichten({msg::idYes, msg::idYes, msg::idYes});
    lijst.KamerUitchecken(2);
    EXPECT_EQ(berichten.Laatste().tekst, QStringLiteral("Kan niet uitchecken omdat kamernummer 103 nog niet ingechecked is!"));
    lijst.KamerUitchecken(0);
    lijst.KamerUitchecken(1);
    EXPECT_TRUE(incheck::IsUitgecheckt(lijst.Reservering().kamerRegels[1]));
    EXPECT_EQ(+Kop(res).status, 0);

    lijst.KamerUitchecken(1);
    EXPECT_EQ(berichten.Laatste().tekst,
              QStringLiteral("Kamernummer 102 is al uitgechecked\n\nWilt u de status van deze kamer weer terugzetten op "
                             "'Ingechecked'?"));
    EXPECT_EQ(incheck::StatusTekst(lijst.Reservering().kamerRegels[1]), QStringLiteral("Ingechecked"));
    EXPECT_EQ(+InCheckRecord(lijst.Reservering().kamerRegels[1].inCheck.sleutel).uitgecheckt, 0);

    const size_t gezien = berichten.Gezien().size();
    lijst.KamerUitchecken(0);
    ASSERT_EQ(berichten.Gezien().size(), gezien + 1);
    EXPECT_EQ(berichten.Laatste().tekst, QStringLiteral("Kamer 101 kan niet uitgechecked worden: Is al uitgechecked."));
    EXPECT_TRUE(incheck::IsUitgecheckt(lijst.Reservering().kamerRegels[0]));
}

TEST_F(InCheckTest, CheckingOutAllRoomsReportsWhatItDidAndWhatItCouldNot)
{
    const JaarNr res = Boek({101, 102, 103, 104});
    incheck::InCheckLijst lijst = Lijst(res);
    CheckIn(lijst, 0);
    CheckIn(lijst, 1);
    CheckInZonderRegistratie(lijst, 2);
    const JaarNr open = lijst.Reservering().kamerRegels[0].inCheck.kassaRegistratie;
    Bestel(open);
    // Three persons give room 101 three rows; it is handled once.
    const std::vector<int> rijen{0, 0, 0, 1, 2, 3};

    ScriptedMessages berichten({msg::idYes, msg::idOK, msg::idYes, msg::idOK, msg::idYes});
    lijst.AllesUitchecken(rijen);
    EXPECT_EQ(berichten.Gezien()[0].tekst, QStringLiteral("Wilt u alle ingecheckte kamers uitchecken?"));
    EXPECT_EQ(berichten.Laatste().kind, MsgKind::Error);
    EXPECT_EQ(berichten.Laatste().tekst,
              QStringLiteral("Gereed: 2 kamer(s) uitgechecked.\n\nKamer 101 kan niet uitgechecked worden: De klant moet "
                             "nog bestelde producten afrekenen aan de kassa."));
    EXPECT_EQ(RegistratieStatus(lijst.Reservering().kamerRegels[1].inCheck.kassaRegistratie),
              Tillra::Registratie::stAfgehandeld);

    Afrekenen(open, Tillra::AFREKENEN_BETAALD);
    lijst.AllesUitchecken(rijen);
    EXPECT_EQ(berichten.Laatste().kind, MsgKind::Info);
    EXPECT_EQ(berichten.Laatste().tekst, QStringLiteral("Gereed: 1 kamer(s) uitgechecked."));

    lijst.AllesUitchecken(rijen);
    EXPECT_EQ(berichten.Laatste().kind, MsgKind::Warning);
    EXPECT_EQ(berichten.Laatste().tekst, QStringLiteral("Alle kamers zijn al uitgechecked (of niet ingechecked)."));
    EXPECT_EQ(+Kop(res).status, 0) << "room 104 never came";
}
