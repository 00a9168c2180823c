// The housekeeping status: check-out makes a room dirty in the same action,
// housekeeping sets it, and a room out of use cannot be booked or moved onto.

#include "board/Verplaatsing.h"
#include "host/brlib/ReserveringCursor.h"
#include "masterdata/KamerStatusOpslag.h"
#include "tests/logboek/LogboekTest.h"

namespace {

using logboek::KamerStatus;

TEST_F(LogboekTest, CheckOutMakesTheRoomDirtyAndHousekeepingMakesItCleanAgain)
{
    const JaarNr res = Boek(101, vandaag_, 3);
    incheck::InCheckLijst lijst = Lijst(res);
    CheckIn(lijst, "Jansen");
    lijst.Verversen();
    EXPECT_EQ(KamerStatus(101), logboek::ksSchoon);
    lijst.KamerUitchecken(0);
    EXPECT_EQ(KamerStatus(101), logboek::ksVuil);
    EXPECT_EQ(KamerStatus(102), logboek::ksSchoon);

    ASSERT_TRUE(logboek::ZetKamerStatus(101, logboek::ksGecontroleerd, kTitel));
    EXPECT_EQ(KamerStatus(101), logboek::ksGecontroleerd);
    const logboek::LogRegel r = Logboek().back();
    EXPECT_EQ(r.actie, "Schoonmaakstatus");
    EXPECT_EQ(r.stamSleutel, "kamer 101");
    EXPECT_EQ(Waarden(r)["kamer 101 schoonmaak"], std::make_pair(QString("vuil"), QString("gecontroleerd")));
    EXPECT_EQ(logboek::KamerStatussen(), (std::map<int32_t, logboek::e_KamerStatus>{{101, logboek::ksGecontroleerd}}));

    // A room taken out of use while its guest stays is still out of use after the check-out.
    incheck::InCheckLijst tweede = Lijst(Boek(102, vandaag_, 2));
    CheckIn(tweede, "Bakker");
    tweede.Verversen();
    ASSERT_TRUE(logboek::ZetKamerStatus(102, logboek::ksBuitenGebruik, kTitel));
    tweede.KamerUitchecken(0);
    EXPECT_TRUE(tweede.Reservering().kamerRegels[0].inCheck.uitgecheckt);
    EXPECT_EQ(KamerStatus(102), logboek::ksBuitenGebruik);
}

TEST_F(LogboekTest, ARoomOutOfUseCannotBeBookedOrMovedOnto)
{
    ASSERT_TRUE(logboek::ZetKamerStatus(102, logboek::ksBuitenGebruik, kTitel));
    const size_t eerder = Logboek().size();
    EXPECT_TRUE(Boek(102, vandaag_, 2).IsLeeg());
    EXPECT_EQ(berichten_.Laatste().tekst, "Kamer 102 is buiten gebruik en kan niet geboekt worden.");

    const JaarNr res = Boek(101, vandaag_, 2);
    ASSERT_FALSE(res.IsLeeg());
    brlib::RsvReserveringCursorRandom cursor;
    const int32_t regel = cursor.At(res).kamerRegels.at(0).regelNr;
    const bord::Verplaatsing v{res, regel, vandaag_, vandaag_ + 2, 101, 102, 0, false, 0};
    EXPECT_EQ(bord::RegistreerVerplaatsing(v, kTitel), bord::Afloop::Gedaan);
    EXPECT_EQ(berichten_.Laatste().tekst, "Kamer 102 is buiten gebruik en kan niet geboekt worden.");
    EXPECT_EQ(cursor.At(res).kamerRegels.at(0).kamerNr, 101);
    EXPECT_EQ(Logboek().size(), eerder + 1);  // only the booking of room 101

    ASSERT_TRUE(logboek::ZetKamerStatus(102, logboek::ksSchoon, kTitel));
    EXPECT_EQ(bord::RegistreerVerplaatsing(v, kTitel), bord::Afloop::Opgeslagen);
}

}  // namespace
