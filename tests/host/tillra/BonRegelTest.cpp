#include <gtest/gtest.h>

#include "host/tillra/Afronding.h"
#include <QPushButton>
#include <QSignalSpy>

#include "host/tillra/ArtSel.h"
#include "host/tillra/ArtikelSelectieKnoppen.h"
#include "host/tillra/ArtikelSource.h"
#include "host/tillra/BonRegel.h"
#include "host/tillra/ProductLijst.h"
#include "tests/host/tillra/TillraTestHulp.h"
#include "tests/support/TempAdmin.h"

using namespace Tillra;

namespace {

const TDateTime kNu = EncodeDate(2026, 3, 10);

t_BonRegel Regel(double aantal, double prijsIncl, int btw = BTW_LAAG)
{
    t_BonRegel regel;
    regel.artikelNr = 1;
    regel.aantal = aantal;
    regel.setBtwCode(btw);
    regel.setMoment(kNu);
    regel.setPrijs(prijsIncl, t_BonRegel::PRIJS_INCL);
    return regel;
}

}  // namespace

TEST(BonRegel, PricesIncludingTaxFollowTheRateOfTheMomentAsked)
{
    const t_BonRegel ontbijt = Regel(2, 15.00);
    EXPECT_DOUBLE_EQ(ontbijt.getPrijs(), 15.00);
    EXPECT_NEAR(ontbijt.getPrijsExcl(), 13.7615, 1e-4);
    // Before 2019 the low rate was 6%: 13.7615 * 1.06 = 14.587 -> 14.59.
    EXPECT_DOUBLE_EQ(ontbijt.getPrijsIncl(EncodeDate(2018, 6, 1)), 14.59);
    EXPECT_DOUBLE_EQ(ontbijt.getBedragIncl(kNu), 30.00);
}

TEST(BonRegel, DiscountIsAPercentageAlsoWhenGivenAsAnAmount)
{
    t_BonRegel regel = Regel(4, 2.50);
    regel.setKorting(10, t_BonRegel::KORTING_PERCENTAGE);
    EXPECT_DOUBLE_EQ(regel.getBedragIncl(kNu), 9.00);
    regel.setKorting(2.50, t_BonRegel::KORTING_BEDRAG);
    EXPECT_DOUBLE_EQ(regel.getKorting(), 25.0);
    EXPECT_DOUBLE_EQ(regel.getBedragIncl(kNu), 7.50);
}

TEST(BonRegel, RondafRoundsHalvesAwayFromZeroDespiteBinaryFractions)
{
    EXPECT_DOUBLE_EQ(rondaf(2.675, 2), 2.68);
    EXPECT_DOUBLE_EQ(rondaf(-2.675, 2), -2.68);
    EXPECT_DOUBLE_EQ(rondaf(1.0049, 2), 1.0);
    EXPECT_DOUBLE_EQ(rondaf(2.5, 0), 3.0);
}

TEST(BonRegel, OnlyALineWithoutArticleQuantityAndPriceIsAText)
{
    EXPECT_TRUE(t_BonRegel::TekstRegel(QStringLiteral("NOG AF TE REKENEN")).IsTekstRegel());
    EXPECT_FALSE(Regel(0, 1.00).IsTekstRegel());
    t_BonRegel gratis = t_BonRegel::TekstRegel(QStringLiteral("x"));
    gratis.artikelRef = QStringLiteral("REF");
    EXPECT_FALSE(gratis.IsTekstRegel());
}

TEST(ProductLijst, TheSameProductTwiceGivesOneLineWithQuantityTwo)
{
    TempAdmin admin;
    VoegArtikelenToe();
    ArtikelSource artikelen;
    std::vector<t_BonRegel> regels;
    EXPECT_EQ(VoegProductToe(regels, 0, artikelen, kOntbijt, kNu), 0);
    EXPECT_EQ(VoegProductToe(regels, 0, artikelen, kOntbijt, kNu), 0);
    ASSERT_EQ(regels.size(), 1u);
    EXPECT_DOUBLE_EQ(regels[0].aantal, 2);
    EXPECT_EQ(regels[0].omschrijving, QStringLiteral("Ontbijt"));
    EXPECT_DOUBLE_EQ(regels[0].getPrijs(), 15.00);
    EXPECT_EQ(VoegProductToe(regels, 0, artikelen, 999, kNu), -1) << "an article without a card adds nothing";
    EXPECT_EQ(regels.size(), 1u);
}

TEST(ProductLijst, AReadOnlyLineOfTheSameArticleIsLeftAlone)
{
    TempAdmin admin;
    VoegArtikelenToe();
    ArtikelSource artikelen;
    std::vector<t_BonRegel> regels;
    VoegProductToe(regels, 0, artikelen, kOntbijt, kNu);
    regels[0].aantal = 2.4;
    EXPECT_EQ(VoegProductToe(regels, 1, artikelen, kOntbijt, kNu), 1);
    EXPECT_EQ(VoegProductToe(regels, 1, artikelen, kOntbijt, kNu), 1);
    EXPECT_DOUBLE_EQ(regels[0].aantal, 2.4);
    EXPECT_DOUBLE_EQ(regels[1].aantal, 2);
    regels[1].aantal = 2.4;
    VoegProductToe(regels, 1, artikelen, kOntbijt, kNu);
    EXPECT_DOUBLE_EQ(regels[1].aantal, 3) << "the rounded quantity + 1";
}

TEST(ProductLijst, TheTotalsLineShowsWholeQuantitiesAndTheAmountInCents)
{
    std::vector<t_BonRegel> regels{t_BonRegel::TekstRegel(QStringLiteral("MUTATIE 26/000001")), Regel(1.4, 3.333),
                                   Regel(1, 0.50)};
    // 1.4 * 3.33 = 4.662 -> 4.66, + 0.50; quantities 2.4 -> 2.
    EXPECT_EQ(TotaalRegel(regels, kNu), QStringLiteral("Aantal producten: 2  |  Totaal bedrag: \u20AC 5.16"));
    EXPECT_EQ(TotaalRegel({}, kNu), QStringLiteral("Aantal producten: 0  |  Totaal bedrag: \u20AC 0.00"));
}

TEST(ArtSel, ReadsButtonsAndSkipsLinesThatDoNotParse)
{
    const auto knoppen = LeesArtSel(QStringLiteral("# rij;kolom;artikel;tekst\n"
                                                   "0;0;10;Ontbijt;#ffcc00\n"
                                                   "0;1;11; Diner \n"
                                                   "1;x;12;Kapot\n"
                                                   "1;0;0;Geen artikel\n"
                                                   "\n"
                                                   "1;1;13;Kleur;geen-kleur\n"
                                                   "2;0;14"));
    ASSERT_EQ(knoppen.size(), 3u);
    EXPECT_EQ(knoppen[0].kleur, QStringLiteral("#ffcc00"));
    EXPECT_EQ(knoppen[1].tekst, QStringLiteral("Diner"));
    EXPECT_EQ(knoppen[1].kolom, 1);
    EXPECT_EQ(knoppen[2].artikelNr, 13);
    EXPECT_TRUE(knoppen[2].kleur.isEmpty());
}

TEST(ArtSel, TheButtonsComeFromTheFileAndReportTheirArticle)
{
    TempAdmin admin;
    QString fout;
    ASSERT_TRUE(SchrijfArtSelBestand({{0, 0, 10, QStringLiteral("Ontbijt; vroeg"), QStringLiteral("#ffcc00")},
                                      {0, 1, 20, QStringLiteral("Wijn"), QString()}},
                                     fout))
        << fout.toStdString();
    ArtikelSelectieKnoppen knoppen;
    knoppen.Laad();
    knoppen.Laad();
    ASSERT_EQ(knoppen.findChildren<QPushButton*>().size(), 2) << "loading again replaces the buttons";
    auto* ontbijt = knoppen.findChild<QPushButton*>(QStringLiteral("btnArt10"));
    ASSERT_NE(ontbijt, nullptr);
    EXPECT_EQ(ontbijt->text(), QStringLiteral("Ontbijt, vroeg"));
    QSignalSpy gekozen(&knoppen, &ArtikelSelectieKnoppen::ArtikelGekozen);
    knoppen.findChild<QPushButton*>(QStringLiteral("btnArt20"))->click();
    ASSERT_EQ(gekozen.size(), 1);
    EXPECT_EQ(gekozen[0][0].toInt(), 20);
}
