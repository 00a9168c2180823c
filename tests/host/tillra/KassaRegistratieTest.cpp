#include <gtest/gtest.h>

#include "host/records/Locks.h"
#include "host/tillra/KassaBon.h"
#include "host/tillra/ProductLijst.h"
#include "host/tillra/RegistratieAccess.h"
#include "tests/host/tillra/TillraTestHulp.h"
#include "tests/support/FaultFileSystem.h"
#include "tests/support/TempAdmin.h"

using namespace Tillra;

namespace {

const TDateTime kNu = EncodeDateTime(2026, 3, 10, 15, 30, 0);
const JaarNr kInCheck(2026, 4);

std::vector<t_BonRegel> Bestelling(int32_t artikelNr, double aantal)
{
    ArtikelSource artikelen;
    std::vector<t_BonRegel> regels;
    VoegProductToe(regels, 0, artikelen, artikelNr, kNu);
    regels[0].aantal = aantal;
    return regels;
}

Registratie Lees(const JaarNr& nummer)
{
    auto registratie = RegistratieAccess::Inlezen(nummer, RegistratieAccess::ALL_OPTIONS);
    EXPECT_TRUE(registratie.has_value()) << RegistratieAccess::LaatsteFout().toStdString();
    return registratie.value_or(Registratie{});
}

void Bestel(const JaarNr& nummer, int32_t artikelNr, double aantal)
{
    QString fout;
    EXPECT_TRUE(Bestellen(nummer, Bestelling(artikelNr, aantal), fout)) << fout.toStdString();
}

class KassaRegistratieTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        VoegArtikelenToe();
        nummer_ = RegistratieAccess::MaakIncheckReg(kNu, kInCheck);
        ASSERT_EQ(nummer_, JaarNr(2026, 1));
    }
    void TearDown() override { EXPECT_EQ(Bevindingen(), ""); }

    TempAdmin admin_;
    JaarNr nummer_;
};

}  // namespace

TEST_F(KassaRegistratieTest, ACheckInOpensAnEmptyRegistration)
{
    const Registratie reg = Lees(nummer_);
    EXPECT_EQ(reg.GetStatus(), Registratie::stOpen);
    EXPECT_EQ(reg.GetInCheckNr(), kInCheck);
    EXPECT_DOUBLE_EQ(reg.GetInCheckMoment(), kNu);
    EXPECT_TRUE(reg.GetBonRegels().empty());
    EXPECT_TRUE(reg.GetBoekingLst().empty());
    EXPECT_EQ(RegistratieAccess::MaakIncheckReg(kNu, JaarNr(2026, 5)), JaarNr(2026, 2));
    EXPECT_FALSE(RegistratieAccess::Inlezen(JaarNr(2026, 3), RegistratieAccess::ALL_OPTIONS));
}

TEST_F(KassaRegistratieTest, OrdersChangeTheQuantityOfTheSameBillLine)
{
    Bestel(nummer_, kOntbijt, 2);
    Bestel(nummer_, kOntbijt, 1);
    ASSERT_EQ(Lees(nummer_).GetBonRegels().size(), 1u);
    EXPECT_DOUBLE_EQ(Lees(nummer_).GetBonRegels()[0].aantal, 3);
    Bestel(nummer_, kOntbijt, -2);
    EXPECT_DOUBLE_EQ(Lees(nummer_).GetBonRegels()[0].aantal, 1);
    Bestel(nummer_, kWijn, -1);
    Bestel(nummer_, kOntbijt, -1);
    const auto regels = Lees(nummer_).GetBonRegels();
    ASSERT_EQ(regels.size(), 1u) << "a line that comes to 0 leaves the bill";
    EXPECT_EQ(regels[0].artikelNr, kWijn);
    EXPECT_DOUBLE_EQ(regels[0].aantal, -1);
}

TEST_F(KassaRegistratieTest, SettlingBooksTheBillAndMovesTheAmounts)
{
    Bestel(nummer_, kOntbijt, 2);
    double bedrag = 0;
    QString fout;
    ASSERT_TRUE(Afrekenen(nummer_, 1, AFREKENEN_OP_REKENING, kNu, bedrag, fout)) << fout.toStdString();
    EXPECT_DOUBLE_EQ(bedrag, 30.00);
    Registratie reg = Lees(nummer_);
    EXPECT_TRUE(reg.GetBonRegels().empty());
    EXPECT_DOUBLE_EQ(reg.GetOpenstaandBedrag(), 30.00);
    EXPECT_DOUBLE_EQ(reg.GetReedsBetaaldBedrag(), 0.0);
    ASSERT_EQ(reg.GetBoekingLst().size(), 1u);

    Bestel(nummer_, kWijn, 1);
    ASSERT_TRUE(Afrekenen(nummer_, 1, AFREKENEN_BETAALD, kNu, bedrag, fout)) << fout.toStdString();
    EXPECT_DOUBLE_EQ(bedrag, 36.50) << "paying also pays what was open on the room's account";
    reg = Lees(nummer_);
    EXPECT_DOUBLE_EQ(reg.GetOpenstaandBedrag(), 0.0);
    EXPECT_DOUBLE_EQ(reg.GetReedsBetaaldBedrag(), 36.50);
    ASSERT_EQ(reg.GetBoekingLst().size(), 2u);
    EXPECT_FALSE(Afrekenen(nummer_, 1, AFREKENEN_BETAALD, kNu, bedrag, fout));
    EXPECT_TRUE(fout.startsWith(QStringLiteral("Er is niets af te rekenen"))) << fout.toStdString();

    MutatieCursorRandom cursor(reg.GetBoekingLst()[1].nummer);
    const SAKassaMutatie* mutatie = cursor.At(reg.GetBoekingLst()[1].sleutel);
    ASSERT_NE(mutatie, nullptr);
    EXPECT_EQ(mutatie->getRegistratie(), nummer_);
    EXPECT_EQ(mutatie->getBoekJaar(), 2026);
    ASSERT_EQ(mutatie->getBonRegels().size(), 1u);
    EXPECT_EQ(mutatie->getBonRegels()[0].omschrijving, QStringLiteral("Glas wijn"));
    EXPECT_EQ(MutatieCursorRandom(2).At(reg.GetBoekingLst()[1].sleutel), nullptr) << "another till's key";
}

TEST_F(KassaRegistratieTest, AStatusIsStoredOnlyOverWhatWasRead)
{
    Registratie oud = Lees(nummer_);
    Registratie reg = Lees(nummer_);
    reg.SetStatus(Registratie::stAfgehandeld);
    ASSERT_TRUE(RegistratieAccess::Opslaan(kNu, reg, false)) << RegistratieAccess::LaatsteFout().toStdString();
    EXPECT_EQ(Lees(nummer_).GetStatus(), Registratie::stAfgehandeld);
    EXPECT_FALSE(RegistratieAccess::Opslaan(kNu, oud, false));
    EXPECT_TRUE(RegistratieAccess::LaatsteFout().contains(QStringLiteral("tussentijds")));
    EXPECT_EQ(Lees(nummer_).GetStatus(), Registratie::stAfgehandeld);

    QString fout;
    EXPECT_FALSE(Bestellen(nummer_, Bestelling(kOntbijt, 1), fout));
    EXPECT_TRUE(fout.contains(QStringLiteral("afgehandeld"))) << fout.toStdString();
    EXPECT_TRUE(Lees(nummer_).GetBonRegels().empty());
}

TEST_F(KassaRegistratieTest, ARefusedLockOrAFullDiskChangesNothingAndSaysWhy)
{
    Bestel(nummer_, kOntbijt, 2);
    {
        brlib::WerkstationScope ander(admin_.Second());
        ASSERT_TRUE(brlib::MultiLockFile({QStringLiteral("reg")}));
        brlib::WerkstationScope terug(admin_.Werkstation());
        EXPECT_EQ(RegistratieAccess::MaakIncheckReg(kNu, kInCheck), JaarNr());
        EXPECT_TRUE(RegistratieAccess::LaatsteFout().contains(QStringLiteral("andere werkplek")));
    }
    FaultFileSystem fs;
    brlib::WerkstationScope vol(std::make_shared<brlib::Werkstation>(admin_.Dir(), fs));
    fs.FailWrite(1);
    double bedrag = 0;
    QString fout;
    EXPECT_FALSE(Afrekenen(nummer_, 1, AFREKENEN_BETAALD, kNu, bedrag, fout));
    EXPECT_TRUE(fout.contains(QStringLiteral("niet worden opgeslagen"))) << fout.toStdString();
    const Registratie reg = Lees(nummer_);
    EXPECT_EQ(reg.GetBonRegels().size(), 1u);
    EXPECT_TRUE(reg.GetBoekingLst().empty());
    EXPECT_DOUBLE_EQ(reg.GetReedsBetaaldBedrag(), 0.0);
}
