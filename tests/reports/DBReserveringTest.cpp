// The fields of the reservation document as the print engine asks them.

#include "host/base/MachineSettings.h"
#include "host/tillra/KSCommunicatie.h"
#include "host/tillra/KassaBon.h"
#include "host/tillra/RegistratieAccess.h"
#include "tests/host/kassaserver/KassaServerProces.h"
#include "tests/reports/DocumentTest.h"

namespace {

class DBReserveringTest : public DocumentTest {};

TEST_F(DBReserveringTest, WithoutAReservationTheFieldsAnswerTheirCodes)
{
    DBReservering bron;
    const auto velden = bron.GetVelden();
    ASSERT_EQ(velden.size(), 14u);
    EXPECT_EQ(velden[1].code, QStringLiteral("*regels"));
    EXPECT_TRUE(velden[1].herhalend);
    EXPECT_EQ(velden[1].type, Printing::DataBron::veldRegels);
    EXPECT_EQ(velden[13].omschrijving, QStringLiteral("Producten totaal bedrag"));
    EXPECT_EQ(velden[13].type, Printing::DataBron::veldBedrag);

    bron.SetDispCodes(true);
    EXPECT_EQ(Tekst(bron, QStringLiteral("*res_kamernr")), QStringLiteral("[*res_kamernr]"));
    EXPECT_EQ(Tekst(*bron.GetSubBron(QStringLiteral("*regels")), QStringLiteral("*bedrag")),
              QStringLiteral("[*bedrag]"));
    EXPECT_EQ(bron.GetSubBron(QStringLiteral("*extra")), nullptr);
    EXPECT_FALSE(bron.GaNaar(0));
    EXPECT_EQ(bron.ObjectNaam(true, true), QStringLiteral("Reserveringen"));
    EXPECT_EQ(bron.ObjectNaam(false, false), QStringLiteral("reservering"));
}

TEST_F(DBReserveringTest, EveryRoomLineGivesOneLineOfARoomField)
{
    const JaarNr res = Boek(TweeKamers());
    BouwRes metLabels = TweeKamers();
    metLabels.relLabels = {QStringLiteral("Naam"), QStringLiteral("Woonplaats")};
    metLabels.relWaarden = {QStringLiteral("De Vries"), QStringLiteral("Utrecht")};
    metLabels.begin += 7;
    metLabels.eind += 7;
    const JaarNr tweede = Boek(metLabels);
    DBReservering bron;
    bron.SetSelectie({res, tweede});

    EXPECT_EQ(Tekst(bron, QStringLiteral("*resboeknr")), QStringLiteral("26/00001"));
    EXPECT_EQ(Tekst(bron, QStringLiteral("*regdatum")), QStringLiteral("18-02-2026"));
    EXPECT_EQ(Tekst(bron, QStringLiteral("*res_kamernr")), QStringLiteral("12\n14"));
    EXPECT_EQ(Tekst(bron, QStringLiteral("*res_personen")), QStringLiteral("2\n"));
    EXPECT_EQ(Tekst(bron, QStringLiteral("*res_begdat")), QStringLiteral("10-03-2026\n10-03-2026"));
    EXPECT_EQ(Tekst(bron, QStringLiteral("*res_prijs")), QStringLiteral("1.234,50\n80,00"));
    EXPECT_EQ(Tekst(bron, QStringLiteral("*res_tariefsrt")), QStringLiteral("STD\nWKND"));
    EXPECT_EQ(Tekst(bron, QStringLiteral("*totbedrag")), QStringLiteral("3.943,50"));
    EXPECT_EQ(Tekst(bron, QStringLiteral("*relgeg")), QStringLiteral("Jansen\nDorpsstraat 1"));
    EXPECT_EQ(Tekst(bron, QStringLiteral("*extra")), QStringLiteral("Late aankomst\nRustige kamer"));
    EXPECT_EQ(Tekst(bron, QStringLiteral("*prodtotbedrag")), QStringLiteral("0,00"));
    QString onbekend = QStringLiteral("blijft");
    EXPECT_FALSE(bron.GetTekst(QStringLiteral("*kamer"), onbekend));
    EXPECT_EQ(onbekend, QStringLiteral("blijft"));

    ASSERT_TRUE(bron.Volgende());
    EXPECT_EQ(Tekst(bron, QStringLiteral("*resboeknr")), QStringLiteral("26/00002"));
    EXPECT_EQ(Tekst(bron, QStringLiteral("*relgeg")), QStringLiteral("De Vries\nUtrecht"));
    EXPECT_FALSE(bron.Volgende());
    bron.SetDispCodes(false);
    QString leeg;
    EXPECT_TRUE(bron.GetTekst(QStringLiteral("*resboeknr"), leeg));
    EXPECT_EQ(leeg, QString()) << "past the selection nothing is filled in";
}

TEST_F(DBReserveringTest, BookedProductsAreTheRowsOfTheProductBlock)
{
    const JaarNr res = Boek(TweeKamers());
    BoekProducten(res, {Product(kOntbijt, 2), Product(kWijn, 1)});
    DBReservering bron;
    bron.SelectObject(res);
    ASSERT_TRUE(bron.Eerste());

    EXPECT_EQ(Rijen(bron, QStringLiteral("*omschrijving")), QStringList({"Ontbijt", "Glas wijn"}));
    EXPECT_EQ(Rijen(bron, QStringLiteral("*bedrag")), QStringList({"30,00", "6,50"}));
    EXPECT_EQ(Tekst(bron, QStringLiteral("*prodtotbedrag")), QStringLiteral("36,50"));
    // "*regels" alone asks the line source with no field, which it does not know.
    QString tekst;
    EXPECT_FALSE(bron.GetTekst(QStringLiteral("*regels"), tekst));
    bron.GetSubBron(QStringLiteral("*regels"))->GaNaar(1);
    double bedrag = 0;
    EXPECT_TRUE(bron.GetBedrag(QStringLiteral("*regels*prijs"), bedrag));
    EXPECT_DOUBLE_EQ(bedrag, 6.50);
    EXPECT_FALSE(bron.GetBedrag(QStringLiteral("*totbedrag"), bedrag));
}

TEST_F(DBReserveringTest, RegisteredProductsListWhatWasSettledThenWhatIsStillOpen)
{
    KassaServerProces server(admin_.Dir());
    MachineSettings kassa(QStringLiteral("KassaServer"));
    kassa.WriteString(QStringLiteral("Hostnaam"), QStringLiteral("127.0.0.1"));
    kassa.WriteInteger(QStringLiteral("Poort"), server.Poort());
    Tillra::g_KSCommunicatie.reset();

    const JaarNr registratie = Tillra::RegistratieAccess::MaakIncheckReg(kBegin, JaarNr(2026, 1));
    BouwRes opzet = TweeKamers();
    opzet.productStatus = 2;
    const JaarNr res = Boek(opzet);
    CheckIn(res, RegelNummers(res)[0], BouwInCheck{kBegin, false, 0, registratie, true, {}});
    QString fout;
    double bedrag = 0;
    ASSERT_TRUE(Tillra::Bestellen(registratie, {Product(kOntbijt, 2)}, fout)) << fout.toStdString();
    ASSERT_TRUE(Tillra::Afrekenen(registratie, 1, Tillra::AFREKENEN_OP_REKENING, kBegin + 1, bedrag, fout));
    ASSERT_TRUE(Tillra::Bestellen(registratie, {Product(kWijn, 1)}, fout)) << fout.toStdString();

    DBReservering bron;
    bron.SelectObject(res);
    ASSERT_TRUE(bron.Eerste());
    EXPECT_EQ(Rijen(bron, QStringLiteral("*omschrijving")), QStringList({"Ontbijt", "Glas wijn"}));

    // Without the till server the open bill is left out.
    server.Stop();
    Tillra::g_KSCommunicatie.reset();
    ASSERT_TRUE(bron.Eerste());
    EXPECT_EQ(Rijen(bron, QStringLiteral("*omschrijving")), QStringList({"Ontbijt"}));
    Tillra::g_KSCommunicatie.reset();
}

}  // namespace
