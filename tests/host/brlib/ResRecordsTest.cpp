// The reservation wrappers' records and the names of a person.

#include <gtest/gtest.h>

#include "host/brlib/ResRecords.h"
#include "store/RecordTekst.h"

namespace {

TEST(ResRecords, ALineGoesToItsRecordAndBackWithItsTariffTextsCutToTwentyCharacters)
{
    brlib::stRes regel;
    regel.resSleutel = JaarNr(2026, 12);
    regel.begin = EncodeDate(2026, 3, 2);
    regel.eind = EncodeDate(2026, 3, 5);
    regel.kamerNr = 101;
    regel.prijs = 95.5;
    regel.bedrag = 286.5;
    regel.tariefCode = QStringLiteral("WEEKEND");
    regel.tariefTekst2 = QStringLiteral("Hoogseizoen met een lange omschrijving");
    regel.wijzigTeller = 4;
    regel.inCheck.sleutel = JaarNr(2026, 7);
    regel.soort = 1;
    regel.personen = 3;
    regel.verplaatstNaar = 104;
    const WIN_rsv_res_rgl rcd = regel.GetRcd();
    EXPECT_EQ(rcd.hfdNr, 12);
    EXPECT_EQ(rcd.dagNr, DagNr(regel.begin));
    EXPECT_EQ(LeesTekst(rcd.tariefTekst2), "Hoogseizoen met een ");
    EXPECT_EQ(rcd.inCheckNr, 7);

    const brlib::stRes terug = brlib::RegelUitRecord(JaarNr(2026, 12), 9, rcd);
    EXPECT_EQ(terug.begin, regel.begin);
    EXPECT_EQ(terug.eind, regel.eind);
    EXPECT_EQ(terug.kamerNr, 101);
    EXPECT_EQ(terug.bedrag, 286.5);
    EXPECT_EQ(terug.tariefCode, "WEEKEND");
    EXPECT_EQ(terug.wijzigTeller, 4);
    EXPECT_EQ(terug.inCheck.sleutel, JaarNr(2026, 7));
    EXPECT_EQ(terug.soort, 1);
    EXPECT_EQ(terug.personen, 3);
    EXPECT_EQ(terug.verplaatstNaar, 104);
}

TEST(ResRecords, ACheckInGoesToItsRecordAndBack)
{
    brlib::stInCheck in;
    in.inCheckTijd = EncodeDateTime(2026, 3, 2, 15, 30, 0);
    in.uitgecheckt = true;
    in.uitCheckTijd = EncodeDateTime(2026, 3, 5, 10, 0, 0);
    in.kassaRegistratie = JaarNr(2026, 88);
    in.productenGeregistreerd = true;
    in.wijzigTeller = 2;
    const brlib::stInCheck terug = brlib::InCheckUitRecord(JaarNr(2026, 3), in.GetRcd());
    EXPECT_EQ(terug.inCheckTijd, in.inCheckTijd);
    EXPECT_TRUE(terug.uitgecheckt);
    EXPECT_EQ(terug.uitCheckTijd, in.uitCheckTijd);
    EXPECT_EQ(terug.kassaRegistratie, JaarNr(2026, 88));
    EXPECT_TRUE(terug.productenGeregistreerd);
    EXPECT_FALSE(terug.geannuleerd);
    EXPECT_EQ(terug.wijzigTeller, 2);
}

TEST(ResRecords, APersonsNameAndPlaceFollowTheLabels)
{
    brlib::stPersoon persoon;
    persoon.waarden = {QStringLiteral("Utrecht"), QStringLiteral(" Jansen "), QStringLiteral("Piet")};
    const QStringList labels{"Woonplaats", "naam", "Voornaam"};
    EXPECT_EQ(persoon.GetNaam(labels), "Jansen, Piet");
    EXPECT_EQ(persoon.GetPlaats(labels), "Utrecht");
    persoon.waarden[2].clear();
    EXPECT_EQ(persoon.GetNaam(labels), "Jansen");
    EXPECT_EQ(persoon.GetNaam({"Bedrijf"}), "Utrecht") << "without a name label the first value names the person";
    EXPECT_EQ(persoon.GetPlaats({"Bedrijf"}), "");
}

}  // namespace
