// Room types: rates rewritten on the records just freed, a type in use kept,
// removal across years, and a change from another workstation.

#include "tests/masterdata/StamTest.h"
#include "tests/support/FaultFileSystem.h"

using brlib::stKamerType;
using brlib::stTarief;

class KamerTypeOpslag : public StamTest {
protected:
    void SetUp() override
    {
        soort_ = MaakTariefSoort("Standaard", 1).recNr;
        MaakPeriodes(2026);
        MaakPeriodes(2027);
    }
    std::vector<stTarief> Bedragen(std::initializer_list<double> bedragen) const
    {
        std::vector<stTarief> tarieven;
        int32_t periode = 1;
        for (double bedrag : bedragen)
            tarieven.push_back({soort_, periode++ % 2 + 1, bedrag});
        return tarieven;
    }
    int32_t soort_ = 0;
};

TEST_F(KamerTypeOpslag, RewritingRatesReusesFreedRecordsLastFreedFirst)
{
    stKamerType enkel = MaakKamerType("ENK", Bedragen({60, 70, 80}), 2026);
    stKamerType dubbel = MaakKamerType("DBL", Bedragen({90, 100}), 2026);
    EXPECT_EQ(TariefKetting(2026, enkel.recNr), (std::vector<int32_t>{2, 3, 4}));
    EXPECT_EQ(TariefKetting(2026, dubbel.recNr), (std::vector<int32_t>{5, 6}));

    // Only the description changes: the same rates land on the same records.
    enkel.omschr = QStringLiteral("Eenpersoons");
    ASSERT_TRUE(SchrijfKamerType(enkel, 2026));
    EXPECT_EQ(TariefKetting(2026, enkel.recNr), (std::vector<int32_t>{2, 3, 4}));

    enkel.tarieven = Bedragen({65, 75});
    ASSERT_TRUE(SchrijfKamerType(enkel, 2026));
    EXPECT_EQ(TariefKetting(2026, enkel.recNr), (std::vector<int32_t>{2, 3}));
    EXPECT_EQ(VrijeTarieven(2026), (std::vector<int32_t>{4}));

    dubbel.tarieven = Bedragen({91, 101, 111});
    ASSERT_TRUE(SchrijfKamerTypeTarieven(dubbel, 2026));
    EXPECT_EQ(TariefKetting(2026, dubbel.recNr), (std::vector<int32_t>{5, 6, 4}));
    EXPECT_EQ(Tarieven(2026, dubbel.recNr), dubbel.tarieven);
    EXPECT_TRUE(VrijeTarieven(2026).empty());
}

TEST_F(KamerTypeOpslag, ATypeInUseByARoomIsReported)
{
    const stKamerType dubbel = MaakKamerType("DBL", {}, 2026);
    const stKamerType enkel = MaakKamerType("ENK", {}, 2026);
    brlib::stKamer kamer = MaakKamer(101, dubbel);
    EXPECT_TRUE(KamerTypeInGebruik(dubbel.recNr));
    EXPECT_FALSE(KamerTypeInGebruik(enkel.recNr));

    ASSERT_TRUE(VerwijderKamer(kamer));
    EXPECT_FALSE(KamerTypeInGebruik(dubbel.recNr));
    EXPECT_EQ(ControleerKamerType(QStringLiteral(" "))->tekst, QStringLiteral("Vul een code in."));
}

TEST_F(KamerTypeOpslag, RemovingATypeFreesItsRatesInEveryYearAndItsRooms)
{
    const stKamerType dubbel = MaakKamerType("DBL", Bedragen({90, 100}), 2026);
    const stKamerType enkel = MaakKamerType("ENK", Bedragen({60}), 2026);
    ASSERT_TRUE(SchrijfKamerTypeTarieven(dubbel, 2027));
    const brlib::stKamer kamer = MaakKamer(101, dubbel);

    ASSERT_TRUE(VerwijderKamerType(dubbel));

    EXPECT_TRUE(TariefKetting(2026, dubbel.recNr).empty());
    EXPECT_TRUE(TariefKetting(2027, dubbel.recNr).empty());
    EXPECT_EQ(VrijeTarieven(2027).size(), 2u);
    EXPECT_EQ(Tarieven(2026, enkel.recNr), Bedragen({60}));
    std::vector<stKamerType> types;
    brlib::InlezenKamerTypes(types);
    ASSERT_EQ(types.size(), 1u);
    EXPECT_EQ(types[0].code, QStringLiteral("ENK"));

    // The room has no type now; a workstation still holding the old room cannot write it back.
    std::vector<brlib::stKamer> kamers;
    brlib::InlezenKamers(kamers);
    ASSERT_EQ(kamers.size(), 1u);
    EXPECT_EQ(kamers[0].kamerType.recNr, 0);
    brlib::stKamer oud = kamer;
    EXPECT_FALSE(SchrijfKamer(oud));
}

TEST_F(KamerTypeOpslag, AChangeMadeOnAnotherWorkstationMeanwhileIsRefusedWithItsRatesUntouched)
{
    stKamerType dubbel = MaakKamerType("DBL", Bedragen({90, 100}), 2026);
    stKamerType hier = dubbel;
    AlsTweede([&] {
        dubbel.omschr = QStringLiteral("Tweepersoons");
        return SchrijfKamerType(dubbel, 2026);
    });
    hier.tarieven = Bedragen({1});
    EXPECT_FALSE(SchrijfKamerType(hier, 2026));
    EXPECT_FALSE(VerwijderKamerType(hier));
    ASSERT_EQ(berichten_.Gezien().size(), 2u);
    EXPECT_EQ(berichten_.Laatste().tekst,
              QStringLiteral("Kan kamertype niet registreren omdat deze tussentijds (op een andere werkplek) is "
                             "gewijzigd.\nHet overzicht wordt nu opnieuw ingelezen."));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Registreren kamertype"));
    EXPECT_EQ(Tarieven(2026, dubbel.recNr), Bedragen({90, 100}));
}

TEST_F(KamerTypeOpslag, AFullDiskShowsAnErrorAndKeepsTheTypeAndItsRatesAsTheyWere)
{
    const stKamerType dubbel = MaakKamerType("DBL", Bedragen({90, 100}), 2026);
    stKamerType nieuw = dubbel;
    nieuw.omschr = QStringLiteral("Tweepersoons");
    nieuw.tarieven = Bedragen({91, 101, 111});
    FaultFileSystem fs;
    {
        brlib::WerkstationScope scope(std::make_shared<brlib::Werkstation>(admin_.Dir(), fs));
        fs.FailWrite(1);
        EXPECT_FALSE(SchrijfKamerType(nieuw, 2026));
    }
    EXPECT_EQ(nieuw.stempel, dubbel.stempel);
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    const QString tekst = berichten_.Laatste().tekst;
    EXPECT_TRUE(tekst.contains(QStringLiteral("de schijf is vol"))) << tekst.toStdString();
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Registreren kamertype"));
    std::vector<stKamerType> types;
    brlib::InlezenKamerTypes(types);
    ASSERT_EQ(types.size(), 1u);
    EXPECT_TRUE(types[0].omschr.isEmpty());
    EXPECT_EQ(Tarieven(2026, dubbel.recNr), Bedragen({90, 100}));
}
