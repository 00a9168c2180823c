// The products of a checked-in reservation live at the till: the page shows
// what was settled (read-only) and the open bill, and a save orders what the
// user changed on that bill, against a running till server.

#include "tests/reservation/ProductTest.h"

#include <QCheckBox>

#include "checkin/InCheckOpslag.h"
#include "checkin/ProductBestelling.h"
#include "host/tillra/KSCommunicatie.h"
#include "host/tillra/KassaBon.h"
#include "reservation/ResProducten.h"
#include "tests/host/kassaserver/KassaServerProces.h"
#include "tests/support/Schermafdruk.h"

namespace {

class ProductKassa : public ProductTest {
protected:
    void SetUp() override
    {
        ProductTest::SetUp();
        server_.ZetAlsKassaServer();
        res_ = Boek(Producten({{kOntbijt, 2}}));
        brlib::RsvReservering res = Lees(res_);
        brlib::stPersoon gast;
        gast.waarden = {QStringLiteral("Jansen")};
        ASSERT_EQ(incheck::InCheckOpslaan(res, {0, {gast}, true}), incheck::InCheckUitkomst::Opgeslagen);
        registratie_ = res.kamerRegels.at(0).inCheck.kassaRegistratie;
        incheck::BestelProducten(res, registratie_);
    }
    void TearDown() override
    {
        Tillra::g_KSCommunicatie.reset();
        server_.Stop();
        ProductTest::TearDown();
    }

    double OpDeRekening(int32_t artikelNr)
    {
        std::vector<Tillra::t_BonRegel> regels;
        EXPECT_TRUE(Tillra::KSVerbinding().KSGetTafelBon(Tillra::ItemNummer(Tillra::itRegistratie, registratie_),
                                                         regels));
        double aantal = 0;
        for (const Tillra::t_BonRegel& regel : regels)
            if (regel.artikelNr == artikelNr)
                aantal += regel.aantal;
        return aantal;
    }

    void ZetAantal(const QString& aantal)
    {
        TfrmRsvResGeg dlg(nullptr, nullptr, false);
        dlg.ZetReservering(res_);
        Toon(dlg, [&](TfrmRsvResGeg& d) {
            d.btnEdit->click();
            ASSERT_EQ(d.gvArt->RijAantal(), 1);
            Wijzig(d, 0, d.btnArtAantal, aantal);
            d.btnOk->click();
        });
    }

    KassaServerProces server_{admin_.Dir()};
    JaarNr res_;
    JaarNr registratie_;
};

TEST_F(ProductKassa, RaisingABillLineOrdersOneMoreAndLoweringItTakesBack)
{
    ScriptedMessages berichten;
    ASSERT_EQ(OpDeRekening(kOntbijt), 2);
    ZetAantal(QStringLiteral("3"));
    EXPECT_EQ(OpDeRekening(kOntbijt), 3);
    ZetAantal(QStringLiteral("1"));
    EXPECT_EQ(OpDeRekening(kOntbijt), 1);
    EXPECT_TRUE(berichten.Gezien().empty());
}

TEST_F(ProductKassa, SettledLinesStayAsTheyAreAboveWhatIsStillToPay)
{
    double bedrag = 0;
    QString fout;
    ASSERT_TRUE(Tillra::Afrekenen(registratie_, 1, Tillra::AFREKENEN_OP_REKENING, HuidigeDatum::Object().Huidige(),
                                  bedrag, fout))
        << fout.toStdString();
    ASSERT_TRUE(Tillra::Bestellen(registratie_, Producten({{kOntbijt, 1}}), fout)) << fout.toStdString();

    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    dlg.ZetReservering(res_);
    Toon(dlg, [&](TfrmRsvResGeg& d) {
        ASSERT_EQ(d.gvArt->RijAantal(), 4);
        EXPECT_TRUE(Cel(d, "artoms", 0).startsWith("MUTATIE 26/")) << Cel(d, "artoms", 0).toStdString();
        EXPECT_EQ(Cel(d, "aantal", 1), "2");
        EXPECT_EQ(Cel(d, "artoms", 2), "NOG AF TE REKENEN");
        EXPECT_TRUE(d.pnlNietEditInfo->isVisible());
        EXPECT_EQ(d.pnlNietEditInfo->text(), "Producten geregistreerd op reg. " + registratie_.String(2, 6));
        d.btnEdit->click();
        d.gvArt->FocusRij(1);
        Schermafdruk(d, "RsvResGeg-producten-kassa");
        for (QPushButton* knop : {d.btnArtPrijs, d.btnArtAantal, d.btnArtKorting, d.btnArtDel})
            EXPECT_FALSE(knop->isEnabled()) << knop->objectName().toStdString();
        d.gvArt->FocusRij(3);
        EXPECT_TRUE(d.btnArtAantal->isEnabled());
        Kies(d, kOntbijt);  // counts up the open line, not the settled one
        EXPECT_EQ(Cel(d, "aantal", 1), "2");
        EXPECT_EQ(Cel(d, "aantal", 3), "2");
        d.btnOk->click();
    });
    EXPECT_EQ(OpDeRekening(kOntbijt), 2);
}

TEST_F(ProductKassa, WithoutTheTillServerTheFormSaysSoAndTheRestWorks)
{
    ScriptedMessages berichten;
    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    dlg.ZetReservering(res_);
    Toon(dlg, [&](TfrmRsvResGeg& d) {
        // Gone between load and save: the save stands and the user hears the order was not placed.
        d.btnEdit->click();
        Kies(d, kWijn);
        server_.Stop();
        Tillra::g_KSCommunicatie.reset();
        d.btnOk->click();
        ASSERT_EQ(berichten.Gezien().size(), 1u);
        EXPECT_TRUE(berichten.Laatste().tekst.startsWith(
            "De wijzigingen zijn opgeslagen, maar de producten zijn niet aan de kassa doorgegeven:\n"));
        // Gone at load: the strip says so, an unread bill is not corrected blind, and the
        // stored lines are not replaced by what the page could not read.
        EXPECT_TRUE(d.pnlNietEditInfo->text().contains("Geen verbinding met de kassa server"));
        EXPECT_EQ(d.gvArt->RijAantal(), 0);
        d.btnEdit->click();
        EXPECT_FALSE(d.pnlArtKnoppen->isVisible());
        d.chkbxExtra1->setChecked(true);
        d.btnOk->click();
    });
    EXPECT_EQ(berichten.Gezien().size(), 1u);
    EXPECT_EQ(Lees(res_).extra[0], 1);
    EXPECT_EQ(ProductenInlezen(Lees(res_)).size(), 2u);
}

}  // namespace
