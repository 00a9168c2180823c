// Rate types: the standard one on a new administration, the dialog's rules, a
// change from another workstation, and removal together with its rates.

#include "tests/masterdata/StamTest.h"

using brlib::stTarief;
using brlib::stTariefSoort;

namespace {
const QString kGewijzigd = QStringLiteral(
    "Kan tariefsoort niet registreren omdat deze tussentijds (op een andere werkplek) is gewijzigd.\n"
    "Het overzicht wordt nu opnieuw ingelezen.");
}

using TariefSoortOpslag = StamTest;

TEST_F(TariefSoortOpslag, ANewAdministrationGetsExactlyOneStandardRateType)
{
    std::vector<stTariefSoort> lijst;
    LeesTariefSoorten(lijst);
    LeesTariefSoorten(lijst);
    ASSERT_EQ(lijst.size(), 1u);
    EXPECT_EQ(lijst[0].code, QStringLiteral("Standaard"));
    EXPECT_EQ(lijst[0].omschr, QStringLiteral("Basis tarief per dag"));
    EXPECT_EQ(lijst[0].aantalDagen, 1);
    EXPECT_GT(lijst[0].recNr, 0);

    std::vector<stTariefSoort> opSchijf;
    AlsTweede([&] { brlib::InlezenTariefSoorten(opSchijf); });
    EXPECT_EQ(opSchijf.size(), 1u);
    EXPECT_TRUE(berichten_.Gezien().empty());
}

TEST_F(TariefSoortOpslag, DialogRulesNameTheFieldToFix)
{
    std::array<bool, 7> geen{};
    std::array<bool, 7> zaterdag{};
    zaterdag[6] = true;
    const auto code = ControleerTariefSoort(QStringLiteral("   "), false, 1, geen);
    ASSERT_TRUE(code);
    EXPECT_EQ(code->veld, TariefSoortVeld::Code);
    EXPECT_EQ(code->tekst, QStringLiteral("Vul een code in."));
    const auto dagen = ControleerTariefSoort(QStringLiteral("W"), false, 0, zaterdag);
    ASSERT_TRUE(dagen);
    EXPECT_EQ(dagen->tekst, QStringLiteral("Ongeldig aantal dagen opgegeven."));
    const auto weekDagen = ControleerTariefSoort(QStringLiteral("W"), true, 0, geen);
    ASSERT_TRUE(weekDagen);
    EXPECT_EQ(weekDagen->veld, TariefSoortVeld::WeekDagen);
    EXPECT_EQ(weekDagen->tekst, QStringLiteral("Selecteer 1 of meerdere dagen."));
    EXPECT_FALSE(ControleerTariefSoort(QStringLiteral("W"), true, 0, zaterdag));
    EXPECT_FALSE(ControleerTariefSoort(QStringLiteral("W"), false, 7, geen));
}

TEST_F(TariefSoortOpslag, AChangeMadeOnAnotherWorkstationMeanwhileIsRefused)
{
    stTariefSoort week = MaakTariefSoort("Week", 7);
    stTariefSoort hier = week;  // as this workstation's list holds it

    AlsTweede([&] {
        week.omschr = QStringLiteral("Zeven nachten");
        EXPECT_TRUE(SchrijfTariefSoort(week));
    });
    hier.code = QStringLiteral("Week7");
    EXPECT_FALSE(SchrijfTariefSoort(hier));
    EXPECT_FALSE(VerwijderTariefSoort(hier));

    ASSERT_EQ(berichten_.Gezien().size(), 2u);
    for (const MsgRequest& bericht : berichten_.Gezien()) {
        EXPECT_EQ(bericht.kind, MsgKind::Error);
        EXPECT_EQ(bericht.tekst, kGewijzigd);
        EXPECT_EQ(bericht.titel, QStringLiteral("Registreren tariefsoort"));
    }
    std::vector<stTariefSoort> lijst;
    brlib::InlezenTariefSoorten(lijst);
    ASSERT_EQ(lijst.size(), 2u);  // the standard rate type came with the first
    EXPECT_EQ(lijst[1].code, QStringLiteral("Week"));
    EXPECT_EQ(lijst[1].omschr, QStringLiteral("Zeven nachten"));

    // Read again, the change goes through.
    lijst[1].code = QStringLiteral("Week7");
    EXPECT_TRUE(SchrijfTariefSoort(lijst[1]));
}

TEST_F(TariefSoortOpslag, RemovingARateTypeRemovesExactlyItsRatesInEveryYear)
{
    const stTariefSoort standaard = MaakTariefSoort("Standaard", 1);
    const stTariefSoort week = MaakTariefSoort("Week", 7);
    MaakPeriodes(2026);
    MaakPeriodes(2027);
    const std::vector<stTarief> tarieven{{standaard.recNr, 1, 80}, {week.recNr, 1, 450}, {standaard.recNr, 2, 95},
                                         {week.recNr, 2, 600}};
    const brlib::stKamerType enkel = MaakKamerType("ENK", tarieven, 2026);
    const brlib::stKamerType dubbel = MaakKamerType("DBL", tarieven, 2026);
    EXPECT_TRUE(SchrijfKamerTypeTarieven(enkel, 2027));

    EXPECT_TRUE(VerwijderTariefSoort(week));

    const std::vector<stTarief> zonderWeek{tarieven[0], tarieven[2]};
    EXPECT_EQ(Tarieven(2026, enkel.recNr), zonderWeek);
    EXPECT_EQ(Tarieven(2026, dubbel.recNr), zonderWeek);
    EXPECT_EQ(Tarieven(2027, enkel.recNr), zonderWeek);
    EXPECT_EQ(VrijeTarieven(2026).size(), 4u);
    EXPECT_EQ(VrijeTarieven(2027).size(), 2u);
    EXPECT_TRUE(TarievenVanTariefSoort(week.recNr).empty());
    EXPECT_TRUE(berichten_.Gezien().empty());
}

