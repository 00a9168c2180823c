// The arrivals and departures of a day: a changeover lists both guests, a
// room moved part-way neither, and a departure shows what is open at the till.

#include "board/Verplaatsing.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/tillra/KassaBon.h"
#include "host/tillra/ProductLijst.h"
#include "logboek/AankomstVertrek.h"
#include "tests/logboek/LogboekTest.h"

namespace {

TEST_F(LogboekTest, AChangeoverDayListsTheDepartingAndTheArrivingGuest)
{
    VoegArtikelenToe();
    const JaarNr weg = Boek(101, vandaag_ - 2, 2, "Jansen");
    const JaarNr komt = Boek(101, vandaag_, 3, "Bakker");
    const JaarNr blijft = Boek(102, vandaag_ - 1, 4, "Smit");
    // Smit moves to room 103 from today on: a change of room, no coming or going.
    brlib::RsvReserveringCursorRandom cursor;
    const bord::Verplaatsing v{blijft, cursor.At(blijft).kamerRegels[0].regelNr, vandaag_ - 1, vandaag_ + 3,
                               102, 103, vandaag_, false, 0};
    ASSERT_EQ(bord::RegistreerVerplaatsing(v, kTitel), bord::Afloop::Opgeslagen);
    Boek(102, vandaag_ + 1, 2, "Morgen");

    incheck::InCheckLijst lijst = Lijst(weg);
    CheckIn(lijst, "Jansen");
    const JaarNr registratie = Lijst(weg).Reservering().kamerRegels[0].inCheck.kassaRegistratie;
    Tillra::ArtikelSource artikelen;
    std::vector<Tillra::t_BonRegel> wijn;
    Tillra::VoegProductToe(wijn, 0, artikelen, kWijn, vandaag_);
    QString fout;
    double bedrag = 0;
    ASSERT_TRUE(Tillra::Bestellen(registratie, wijn, fout)) << fout.toStdString();
    ASSERT_TRUE(Tillra::Afrekenen(registratie, 1, Tillra::AFREKENEN_OP_REKENING, vandaag_, bedrag, fout));

    const std::vector<logboek::AankomstVertrekRij> rijen = logboek::AankomstenEnVertrekken(vandaag_);
    ASSERT_EQ(rijen.size(), 2u);
    EXPECT_TRUE(rijen[0].vertrek);
    EXPECT_EQ(rijen[0].reservering, weg);
    EXPECT_EQ(rijen[0].kamerNr, 101);
    EXPECT_EQ(rijen[0].gast, "Jansen");
    EXPECT_EQ(rijen[0].personen, 2);
    EXPECT_EQ(rijen[0].status, "Ingechecked");
    EXPECT_EQ(rijen[0].open, std::optional<double>(6.50));
    EXPECT_FALSE(rijen[1].vertrek);
    EXPECT_EQ(rijen[1].reservering, komt);
    EXPECT_EQ(rijen[1].gast, "Bakker");
    EXPECT_EQ(rijen[1].status, "");
    EXPECT_FALSE(rijen[1].open);
}

}  // namespace
