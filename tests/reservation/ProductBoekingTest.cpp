// A booking made on the board stores the products gathered in its details
// with every reservation it writes.

#include "tests/reservation/ProductTest.h"

#include "board/Registratie.h"
#include "reservation/ResProducten.h"

namespace {

class ProductBoeking : public ProductTest {};

TEST_F(ProductBoeking, EveryReservationOfAGroupBookingGetsTheProducts)
{
    std::vector<brlib::stRes> regels(2);
    for (int i = 0; i < 2; ++i) {
        regels[i].kamerNr = 101 + i;
        regels[i].begin = HuidigeDatum::Object().Huidige();
        regels[i].eind = regels[i].begin + 2;
        regels[i].nieuw = true;
    }
    ResGegevens gegevens;
    gegevens.gastRegels = {QStringLiteral("Jansen")};
    gegevens.producten = Producten({{kOntbijt, 4}, {kWijn, 2}});
    const bord::RegistratieResultaat r = bord::Registreer(regels, gegevens, true, QStringLiteral("Test"));
    ASSERT_TRUE(r.opgeslagen);
    ASSERT_EQ(r.reserveringen.size(), 2u);
    for (const JaarNr& res : r.reserveringen) {
        const std::vector<Tillra::t_BonRegel> opgeslagen = ProductenInlezen(Lees(res));
        ASSERT_EQ(opgeslagen.size(), 2u);
        EXPECT_EQ(opgeslagen[0].artikelNr, kOntbijt);
        EXPECT_EQ(opgeslagen[0].aantal, 4);
        EXPECT_EQ(Lees(res).productStatus, 1);
    }
}

}  // namespace
