// Periods: the standard period of a new year, the panel's rules, removal with
// that year's rates of the period, and a refused lock.

#include "tests/masterdata/StamTest.h"

using brlib::stPeriode;

using PeriodeOpslag = StamTest;

TEST_F(PeriodeOpslag, ANewYearShowsTheStandardPeriodAndWritesItWithTheFirstSave)
{
    std::vector<stPeriode> lijst;
    LeesPeriodes(2027, lijst);
    ASSERT_EQ(lijst.size(), 1u);
    EXPECT_EQ(lijst[0].recNr, 0);
    EXPECT_EQ(lijst[0].omschr, QStringLiteral("Standaard"));
    EXPECT_EQ(lijst[0].begin, EncodeDate(2027, 1, 1));
    EXPECT_EQ(lijst[0].eind, EncodeDate(2027, 12, 31));
    std::vector<stPeriode> opSchijf;
    brlib::InlezenPeriodes(2027, opSchijf);
    EXPECT_TRUE(opSchijf.empty());

    lijst.push_back({0, QStringLiteral("Zomer"), EncodeDate(2027, 7, 1), 0});
    lijst.push_back({0, QStringLiteral("Herfst"), EncodeDate(2027, 10, 1), 0});
    EXPECT_EQ(MarkeerVoorVerwijderen(lijst, 2), EncodeDate(2027, 7, 1));  // removed before it was ever stored
    ASSERT_TRUE(SlaPeriodesOp(2027, lijst));
    brlib::InlezenPeriodes(2027, opSchijf);
    ASSERT_EQ(opSchijf.size(), 2u);
    EXPECT_EQ(opSchijf[0].recNr, 1);
    EXPECT_EQ(opSchijf[0].eind, EncodeDate(2027, 6, 30));
    EXPECT_EQ(opSchijf[1].recNr, 2);
}

TEST_F(PeriodeOpslag, TwoPeriodsCannotShareABeginDate)
{
    MaakPeriodes(2026);
    std::vector<stPeriode> lijst;
    LeesPeriodes(2026, lijst);
    const auto dubbel = ControleerPeriode(lijst, -1, EncodeDate(2026, 7, 1), QStringLiteral("Hoog"));
    ASSERT_TRUE(dubbel);
    EXPECT_EQ(dubbel->veld, PeriodeVeld::Datum);
    EXPECT_EQ(dubbel->tekst, QStringLiteral("Periode met deze begindatum is al aanwezig!"));
    EXPECT_TRUE(ControleerPeriode(lijst, 0, EncodeDate(2026, 7, 1), QStringLiteral("Hoog")));
    EXPECT_FALSE(ControleerPeriode(lijst, 1, EncodeDate(2026, 7, 1), QStringLiteral("Hoog")));
    const auto leeg = ControleerPeriode(lijst, -1, EncodeDate(2026, 8, 1), QStringLiteral("  "));
    ASSERT_TRUE(leeg);
    EXPECT_EQ(leeg->tekst, QStringLiteral("Geef een omschrijving op voor deze periode."));
}

TEST_F(PeriodeOpslag, RemovingAPeriodZeroesItAndRemovesOnlyThatYearsRatesOfIt)
{
    const brlib::stTariefSoort standaard = MaakTariefSoort("Standaard", 1);
    MaakPeriodes(2026);
    MaakPeriodes(2027);
    const std::vector<brlib::stTarief> tarieven{{standaard.recNr, 1, 80}, {standaard.recNr, 2, 95}};
    const brlib::stKamerType type = MaakKamerType("DBL", tarieven, 2026);
    EXPECT_TRUE(SchrijfKamerTypeTarieven(type, 2027));

    std::vector<stPeriode> lijst;
    LeesPeriodes(2026, lijst);
    EXPECT_EQ(VerwijderVraag(lijst[1], true),
              QStringLiteral("Wilt u periode \"Zomer\" verwijderen?\n\nLET OP: Tarieven die gekoppeld zijn aan deze "
                             "periode worden ook verwijderd!"));
    EXPECT_EQ(MarkeerVoorVerwijderen(lijst, 1), EncodeDate(2026, 1, 1));
    ASSERT_TRUE(SlaPeriodesOp(2026, lijst));

    const QByteArray bestand = BestandBytes(Bestanden::Periode, brlib::tfPerJaar, 2026);
    ASSERT_EQ(bestand.size(), 2 * 127);
    EXPECT_EQ(bestand.mid(127), QByteArray(127, '\0'));
    EXPECT_EQ(Tarieven(2026, type.recNr), (std::vector<brlib::stTarief>{tarieven[0]}));
    EXPECT_EQ(Tarieven(2027, type.recNr), tarieven);

    // The number is not used again: a new period goes to the end.
    LeesPeriodes(2026, lijst);
    lijst.push_back({0, QStringLiteral("Herfst"), EncodeDate(2026, 9, 1), 0});
    ASSERT_TRUE(SlaPeriodesOp(2026, lijst));
    EXPECT_EQ(lijst.back().recNr, 3);
}

TEST_F(PeriodeOpslag, ARefusedLockSavesNothingAndSaysNothing)
{
    std::vector<stPeriode> lijst;
    LeesPeriodes(2026, lijst);
    AlsTweede([] { return brlib::RsvLock(); });
    EXPECT_FALSE(SlaPeriodesOp(2026, lijst));
    AlsTweede([] { brlib::RsvUnlock(); return 0; });
    EXPECT_TRUE(berichten_.Gezien().empty());
    std::vector<stPeriode> opSchijf;
    brlib::InlezenPeriodes(2026, opSchijf);
    EXPECT_TRUE(opSchijf.empty());
}
