// The products page of a new and of a stored reservation, and the product
// lines of a reservation through the board's booking, save and cancellation.

#include "tests/reservation/ProductTest.h"

#include <array>
#include <QCoreApplication>
#include <QKeyEvent>

#include "reservation/ResAnnulering.h"
#include "reservation/ResProducten.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResHfd.h"

namespace {

// The header's products state and the head of its product lines, copied out of the packed record.
std::array<int32_t, 3> ProductVelden(const JaarNr& res)
{
    RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, brlib::tfPerJaar, true, true);
    const WIN_rsv_res_hfd kop = hfd.Record(res);
    return {kop.productStatus, kop.eersteProduct, kop.laatsteProduct};
}

class ProductPagina_ : public ProductTest {};

TEST_F(ProductPagina_, ChoosingAProductTwiceCountsItsLineUpAndTheTotalsFollow)
{
    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    dlg.ZetGegevens(ResGegevens{}, 0);
    Toon(dlg, [](TfrmRsvResGeg& d) {
        EXPECT_EQ(d.pnlArtCap->text(), "Aantal producten: 0  |  Totaal bedrag: \u20ac 0.00");
        Kies(d, kOntbijt);
        Kies(d, kWijn);
        Kies(d, kOntbijt);
        Kies(d, kZonderKaart);  // no card: nothing happens
        ASSERT_EQ(d.gvArt->RijAantal(), 2);
        EXPECT_EQ(Cel(d, "artoms", 0), "Ontbijt");
        EXPECT_EQ(Cel(d, "aantal", 0), "2");
        EXPECT_EQ(Cel(d, "aantal", 1), "1");
        EXPECT_EQ(d.gvArt->HuidigeRij(), 0);
        EXPECT_EQ(d.pnlArtCap->text(), "Aantal producten: 3  |  Totaal bedrag: \u20ac 36.50");
        d.btnOk->click();
    });
    ASSERT_EQ(dlg.Gegevens().producten.size(), 2u);
    EXPECT_EQ(dlg.Gegevens().producten[0].aantal, 2);
}

TEST_F(ProductPagina_, TheEditPanelChangesQuantityPriceAndDiscountOfTheCurrentLine)
{
    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    ResGegevens gegevens;
    gegevens.producten = Producten({{kOntbijt, 1}, {kWijn, 2}});
    dlg.ZetGegevens(gegevens, 0);
    Toon(dlg, [](TfrmRsvResGeg& d) {
        d.gvArt->FocusRij(1);
        d.btnArtAantal->click();
        EXPECT_EQ(d.edtArtAantal->text(), "2");
        EXPECT_FALSE(d.btnOk->isEnabled());
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&d, &escape);  // leaves the edit, not the form
        EXPECT_FALSE(d.pnlArtEdit->isVisible());
        EXPECT_EQ(d.ModalResult(), mrNone);
        EXPECT_TRUE(d.btnOk->isEnabled());

        Wijzig(d, 1, d.btnArtAantal, QStringLiteral("4"));
        EXPECT_EQ(Cel(d, "aantal", 1), "4");
        Wijzig(d, 1, d.btnArtPrijs, QStringLiteral("7,25"));
        EXPECT_EQ(Cel(d, "prijs", 1), "7,25");
        Wijzig(d, 0, d.btnArtKorting, QStringLiteral("10"));
        EXPECT_EQ(Cel(d, "korting", 0), "10,00");
        EXPECT_EQ(d.pnlArtCap->text(), "Aantal producten: 5  |  Totaal bedrag: \u20ac 42.50");

        d.gvArt->FocusRij(0);
        d.btnArtDel->click();
        ASSERT_EQ(d.gvArt->RijAantal(), 1);
        EXPECT_EQ(Cel(d, "artoms", 0), "Glas wijn");
        EXPECT_EQ(d.pnlArtCap->text(), "Aantal producten: 4  |  Totaal bedrag: \u20ac 29.00");
        d.btnOk->click();
    });
    ASSERT_EQ(dlg.Gegevens().producten.size(), 1u);
    EXPECT_DOUBLE_EQ(dlg.Gegevens().producten[0].getPrijs(), 7.25);
}

TEST_F(ProductPagina_, ProductLinesComeWithTheBookingSurviveASaveAndGoWithTheCancellation)
{
    const JaarNr res = Boek(Producten({{kOntbijt, 2}}));
    EXPECT_EQ(ProductVelden(res)[0], 1);
    EXPECT_EQ(ProductenInlezen(Lees(res)).size(), 1u);

    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    dlg.ZetReservering(res);
    Toon(dlg, [](TfrmRsvResGeg& d) {
        ASSERT_EQ(d.gvArt->RijAantal(), 1);
        EXPECT_FALSE(d.pnlArtKnoppen->isVisible());
        EXPECT_FALSE(d.btnArtAantal->isEnabled());
        EXPECT_FALSE(d.pnlNietEditInfo->isVisible());
        d.btnEdit->click();
        EXPECT_TRUE(d.pnlArtKnoppen->isVisible());
        Kies(d, kWijn);
        Kies(d, kOntbijt);
        d.btnOk->click();  // saves and goes back to view mode with the stored lines
        ASSERT_EQ(d.gvArt->RijAantal(), 2);
        EXPECT_EQ(Cel(d, "aantal", 0), "3");
        EXPECT_EQ(Cel(d, "artoms", 1), "Glas wijn");
    });
    EXPECT_EQ(ProductenInlezen(Lees(res)).size(), 2u);

    ScriptedMessages berichten;
    ASSERT_EQ(AnnuleerReservering(res, Lees(res).wijzigTeller, QStringLiteral("Test")), ActieUitkomst::Gedaan);
    EXPECT_EQ(ProductVelden(res)[1], 0);
    EXPECT_EQ(ProductVelden(res)[2], 0);
    EXPECT_TRUE(berichten.Gezien().empty());
}

TEST(BestelVerschil, OrdersPerBillLineTheDifferenceAndNewLinesAsTheyAre)
{
    HuidigeDatumVast vandaag(EncodeDate(2026, 3, 10));
    const auto regel = [](int32_t id, double aantal, double prijs) {
        Tillra::t_BonRegel r;
        r.artikelId = id;
        r.artikelNr = id;
        r.aantal = aantal;
        r.setPrijs(prijs, Tillra::t_BonRegel::PRIJS_INCL);
        return r;
    };
    const std::vector<Tillra::t_BonRegel> bon = {regel(1, 2, 15), regel(2, 1, 6.5), regel(3, 1, 4)};
    // One up, one gone, one the same split over two lines, a new one, and a repriced one.
    const std::vector<Tillra::t_BonRegel> bewerkbaar = {regel(1, 3, 15), regel(3, 0.4, 4), regel(3, 0.6, 4),
                                                        regel(4, 1, 9), regel(2, 1, 7)};
    const std::vector<Tillra::t_BonRegel> bestelling = BestelVerschil(bon, bewerkbaar);
    ASSERT_EQ(bestelling.size(), 4u);
    EXPECT_EQ(bestelling[0].artikelId, 1);
    EXPECT_DOUBLE_EQ(bestelling[0].aantal, 1);
    EXPECT_EQ(bestelling[1].artikelId, 2);
    EXPECT_DOUBLE_EQ(bestelling[1].aantal, -1);
    EXPECT_EQ(bestelling[2].artikelId, 4);
    EXPECT_EQ(bestelling[3].artikelId, 2);
    EXPECT_DOUBLE_EQ(bestelling[3].getPrijs(), 7);
    EXPECT_TRUE(BestelVerschil(bon, bon).empty());
}

}  // namespace
