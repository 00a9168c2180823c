#include <gtest/gtest.h>

#include "host/records/Locks.h"
#include "host/tillra/BonRegelOpslag.h"
#include "host/tillra/ProductLijst.h"
#include "tests/host/tillra/TillraTestHulp.h"
#include "tests/support/TempAdmin.h"

using namespace Tillra;

namespace {

const TDateTime kNu = EncodeDate(2026, 3, 10);

std::vector<t_BonRegel> Producten()
{
    ArtikelSource artikelen;
    std::vector<t_BonRegel> regels{t_BonRegel::TekstRegel(QStringLiteral("Dag 1"))};
    VoegProductToe(regels, 0, artikelen, kOntbijt, kNu);
    VoegProductToe(regels, 0, artikelen, kOntbijt, kNu);
    VoegProductToe(regels, 0, artikelen, kWijn, kNu);
    regels[1].bereidingswijzen = {{1, QStringLiteral("Zonder ei")}, {2, QStringLiteral("Glutenvrij")}};
    regels[2].setKorting(15, t_BonRegel::KORTING_PERCENTAGE);
    regels[2].regelSoort = 3;
    return regels;
}

struct Kop {
    int32_t eerste = 0;
    int32_t laatste = 0;
};

Kop Opslaan(const std::vector<t_BonRegel>& regels, int32_t resNr)
{
    Kop kop;
    brlib::RsvActie actie;
    EXPECT_TRUE(actie.Locked());
    auto bestanden = BonRegelBestanden::Reservering(false);
    OpslaanBonRegels(regels, 2026, resNr, kop.eerste, kop.laatste, bestanden);
    actie.Commit();
    return kop;
}

std::vector<t_BonRegel> Inlezen(int32_t eerste, bool omschrijvingVanKaart = false)
{
    std::vector<t_BonRegel> regels{t_BonRegel::TekstRegel(QStringLiteral("oud"))};
    auto bestanden = BonRegelBestanden::Reservering(true);
    ArtikelSource artikelen;
    InlezenBonRegels(regels, 2026, eerste, bestanden, artikelen, omschrijvingVanKaart);
    return regels;
}

}  // namespace

TEST(BonRegelOpslag, ProductLinesSurviveASaveWithEveryField)
{
    TempAdmin admin;
    VoegArtikelenToe();
    const auto regels = Producten();
    const Kop kop = Opslaan(regels, 7);
    EXPECT_GT(kop.eerste, 0);
    EXPECT_EQ(Inlezen(kop.eerste), regels);
    EXPECT_TRUE(Inlezen(0).empty());
    EXPECT_EQ(Bevindingen(), QString());
}

TEST(BonRegelOpslag, RemovedLinesLeaveTheirRecordsForTheNextSave)
{
    TempAdmin admin;
    VoegArtikelenToe();
    Kop eerste = Opslaan(Producten(), 7);
    const Kop tweede = Opslaan(Producten(), 8);
    const auto regelsVoor = BonRegelBestanden::Reservering(true).regels.RecordCount(2026);
    {
        brlib::RsvActie actie;
        auto bestanden = BonRegelBestanden::Reservering(false);
        VerwijderBonRegels(2026, eerste.eerste, eerste.laatste, bestanden);
        actie.Commit();
    }
    EXPECT_EQ(eerste.eerste, 0);
    EXPECT_EQ(eerste.laatste, 0);
    EXPECT_EQ(Inlezen(tweede.eerste), Producten()) << "the other reservation's lines stay";
    const Kop derde = Opslaan(Producten(), 9);
    EXPECT_EQ(BonRegelBestanden::Reservering(true).regels.RecordCount(2026), regelsVoor);
    EXPECT_EQ(Inlezen(derde.eerste), Producten());
    EXPECT_EQ(Bevindingen(), QString());
}

TEST(BonRegelOpslag, ReadingCanTakeTheDescriptionOfTheCurrentCard)
{
    TempAdmin admin;
    VoegArtikelenToe();
    auto regels = Producten();
    regels[1].omschrijving = QStringLiteral("Ontbijt op bed");
    const Kop kop = Opslaan(regels, 7);
    EXPECT_EQ(Inlezen(kop.eerste)[1].omschrijving, QStringLiteral("Ontbijt op bed"));
    EXPECT_EQ(Inlezen(kop.eerste, true)[1].omschrijving, QStringLiteral("Ontbijt"));
    EXPECT_EQ(Inlezen(kop.eerste, true)[0].omschrijving, QStringLiteral("Dag 1"));
}
