// The persons of the guest page and what a relation card gives them.

#include <gtest/gtest.h>

#include "host/brlib/BestVelden.h"
#include "host/relations/BestSource.h"
#include "reservation/PersoonGegevens.h"
#include "tests/support/TempAdmin.h"

namespace {

class RelatieKaartTest : public testing::Test {
protected:
    void SetUp() override
    {
        relaties::RelatieBestand bestand;
        bestand.veldNamen = relaties::StandaardVeldNamen();
        bestand.kaarten = {{10, 1001, {" Jansen ,  Piet ", "Dorpsstraat 1", "1234 AB", "Ede", "NL", "", "0318-1"}},
                           {11, 1002, {"Bakker Horeca B.V.", "", "", "Zeist"}}};
        ASSERT_TRUE(relaties::SchrijfRelatieBestand(bestand));
    }

    static QStringList Kopie(int32_t kaartNr, const QStringList& labels = {})
    {
        TBestSource kaart(QStringLiteral("best"));
        EXPECT_TRUE(kaart.ReadRecord(kaartNr));
        return KaartWaarden(kaart, labels);
    }

    TempAdmin admin_;
};

TEST_F(RelatieKaartTest, TheNameSplitsAtItsFirstCommaIntoSurnameAndFirstName)
{
    const QStringList jansen = Kopie(10);
    ASSERT_EQ(jansen.size(), 12);
    EXPECT_EQ(jansen.mid(0, 6), QStringList({"Jansen", "Piet", "Dorpsstraat 1", "1234 AB", "Ede", "NL"}));
    EXPECT_EQ(jansen[6], "0318-1");
    EXPECT_EQ(jansen.mid(8), QStringList({"", "", "", ""}));

    const QStringList bakker = Kopie(11);
    EXPECT_EQ(bakker[0], "Bakker Horeca B.V.");
    EXPECT_EQ(bakker[1], "");
    EXPECT_EQ(bakker[4], "Zeist");
}

TEST_F(RelatieKaartTest, RelationFieldLabelsTakeTheCardFieldsOfTheirName)
{
    EXPECT_EQ(Kopie(10, {"Woonplaats", "naam", "Onbekend veld"}), QStringList({"Ede", " Jansen ,  Piet ", ""}));
    TBestSource kaart(QStringLiteral("best"));
    EXPECT_FALSE(kaart.ReadRecord(99));
    EXPECT_TRUE(kaart.ReadRecord(11));
    EXPECT_EQ(kaart.RelatieNr(), 1002);
}

TEST_F(RelatieKaartTest, TheDefaultRelationFieldsAreNamedByTheRelationFile)
{
    relaties::RelatieBestand bestand = relaties::LeesRelatieBestand();
    bestand.veldNamen[0] = "Bedrijfsnaam";
    ASSERT_TRUE(relaties::SchrijfRelatieBestand(bestand));
    QStringList labels;
    brlib::RsvGetDefaultBestVelden(labels);
    EXPECT_EQ(labels, QStringList({"Bedrijfsnaam", "Adres", "Postcode", "Woonplaats", "Land", "Telefoon", "E-mail"}));
}

TEST(PersoonGegevens, EachRoomKeepsItsOwnPersonAndAnUnopenedRoomHasNone)
{
    ResGegevens gegevens;
    gegevens.gastRegels = {"Jansen"};
    gegevens.relatieNr = 5;
    std::vector<brlib::stVoorReg> voorRegs;
    ZetPersoonRegels(gegevens, voorRegs, 101, {"Kind", "Jansen"});
    ZetPersoonRelatie(gegevens, voorRegs, 102, 9, 90);
    ZetPersoonRegels(gegevens, voorRegs, 0, {"Jansen", "Piet"});

    EXPECT_EQ(PersoonVan(gegevens, voorRegs, 0).regels, QStringList({"Jansen", "Piet"}));
    EXPECT_EQ(PersoonVan(gegevens, voorRegs, 0).relatieNr, 5);
    EXPECT_EQ(PersoonVan(gegevens, voorRegs, 101).regels, QStringList({"Kind", "Jansen"}));
    EXPECT_EQ(PersoonVan(gegevens, voorRegs, 102).kaartNr, 90);
    EXPECT_EQ(voorRegs.size(), 2u) << "room 103 was never opened";
    EXPECT_TRUE(PersoonVan(gegevens, voorRegs, 103).regels.isEmpty());

    // With relation field labels the main guest's values are the card values.
    gegevens.relatieLabels = {"Naam"};
    ZetPersoonRegels(gegevens, voorRegs, 0, {"Bakker"});
    EXPECT_EQ(gegevens.relatieWaarden, QStringList{"Bakker"});
    EXPECT_EQ(gegevens.gastRegels, QStringList({"Jansen", "Piet"}));
}

}  // namespace
