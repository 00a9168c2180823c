// Rooms: the proposed number, duplicate numbers (also one added meanwhile on
// another workstation) and a change made elsewhere.

#include "tests/masterdata/StamTest.h"

using brlib::stKamer;

class KamerOpslag : public StamTest {
protected:
    void SetUp() override { type_ = MaakKamerType("DBL", {}, 2026); }
    brlib::stKamerType type_;
};

TEST_F(KamerOpslag, ANewRoomIsProposedAboveTheHighestAndDuplicatesAreRefused)
{
    std::vector<stKamer> kamers(4);
    for (int i = 0; i < 4; ++i)
        kamers[i].kamerNr = std::array{1, 2, 10, 5}[i];
    EXPECT_EQ(VoorgesteldKamerNr(0, AndereKamerNrs(kamers, 0)), 11);
    EXPECT_EQ(VoorgesteldKamerNr(0, {}), 0);
    EXPECT_EQ(AndereKamerNrs(kamers, 5), (std::vector<int32_t>{1, 2, 10}));

    EXPECT_FALSE(ControleerKamer(5, AndereKamerNrs(kamers, 5), type_.recNr));
    const auto dubbel = ControleerKamer(10, AndereKamerNrs(kamers, 5), type_.recNr);
    ASSERT_TRUE(dubbel);
    EXPECT_EQ(dubbel->veld, KamerVeld::KamerNr);
    EXPECT_EQ(dubbel->tekst, QStringLiteral("Kamernr. 10 is al aanwezig!"));
    EXPECT_EQ(ControleerKamer(0, {}, type_.recNr)->tekst, QStringLiteral("Vul een geldig kamernummer in."));
    const auto geenType = ControleerKamer(6, {}, 0);
    ASSERT_TRUE(geenType);
    EXPECT_EQ(geenType->veld, KamerVeld::KamerType);
    EXPECT_EQ(geenType->tekst, QStringLiteral("Selecteer een kamertype."));
}

TEST_F(KamerOpslag, ANumberAddedMeanwhileOnAnotherWorkstationIsRefusedUnderTheLock)
{
    MaakKamer(1, type_);
    AlsTweede([&] { return MaakKamer(2, type_); });
    stKamer nieuw;
    nieuw.kamerNr = 2;
    nieuw.kamerType = type_;
    EXPECT_FALSE(SchrijfKamer(nieuw));
    EXPECT_EQ(nieuw.recNr, 0);
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Kamernr. 2 is al aanwezig!"));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Registreren kamer"));
    std::vector<stKamer> kamers;
    brlib::InlezenKamers(kamers);
    EXPECT_EQ(kamers.size(), 2u);
}

TEST_F(KamerOpslag, AChangeMadeOnAnotherWorkstationMeanwhileIsRefused)
{
    stKamer kamer = MaakKamer(7, type_);
    stKamer hier = kamer;
    AlsTweede([&] {
        kamer.maxPersonen = 3;
        return SchrijfKamer(kamer);
    });
    hier.omschr = QStringLiteral("Met balkon");
    EXPECT_FALSE(SchrijfKamer(hier));
    EXPECT_FALSE(VerwijderKamer(hier));
    ASSERT_EQ(berichten_.Gezien().size(), 2u);
    EXPECT_EQ(berichten_.Laatste().tekst,
              QStringLiteral("Kan kamer niet registreren omdat deze tussentijds (op een andere werkplek) is "
                             "gewijzigd.\nHet overzicht wordt nu opnieuw ingelezen."));
    std::vector<stKamer> kamers;
    brlib::InlezenKamers(kamers);
    ASSERT_EQ(kamers.size(), 1u);
    EXPECT_EQ(kamers[0].maxPersonen, 3);
    EXPECT_TRUE(kamers[0].omschr.isEmpty());
}

