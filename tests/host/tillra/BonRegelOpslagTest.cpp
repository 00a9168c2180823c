#include <gtest/gtest.h>

#include "host/records/Locks.h"
#include "host/tillra/BonRegelOpslag.h"
#include "host/tillra/ProductLijst.h"
#include "store/Bestanden.h"
#include "store/WinRsvResHfd.h"
#include "tests/host/tillra/TillraTestHulp.h"
#include "tests/store/ReserveringSchrijven.h"
#include "tests/support/TempAdmin.h"

using namespace Tillra;

namespace {

const TDateTime kNu = EncodeDate(2026, 3, 10);
constexpr int32_t kJaar = 2026;

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

using HfdCache = RecordCache<WIN_rsv_res_hfd>;

// Runs `stap` on the product head pair of reservation `nr` in one action and stores it.
template <class F>
void WijzigKop(int32_t nr, F stap)
{
    brlib::RsvActie actie;
    ASSERT_TRUE(actie.Locked());
    HfdCache hfd(Bestanden::ResHfd, brlib::tfPerJaar, false, false);
    WIN_rsv_res_hfd kop = hfd.Record(kJaar, nr);
    int32_t eerste = kop.eersteProduct;
    int32_t laatste = kop.laatsteProduct;
    auto bestanden = BonRegelBestanden::Reservering(false);
    stap(eerste, laatste, bestanden);
    kop.eersteProduct = eerste;
    kop.laatsteProduct = laatste;
    hfd.Store(kJaar, nr, kop);
    actie.Commit();
}

// A booked reservation whose products are `regels`, as the board stores one.
int32_t ReserveringMet(const std::vector<t_BonRegel>& regels, int32_t kamer)
{
    int32_t nr = 0;
    {
        brlib::RsvActie actie;
        nr = SchrijfReservering(kNu, kamer);
        actie.Commit();
    }
    WijzigKop(nr, [&](int32_t& eerste, int32_t& laatste, BonRegelBestanden& bestanden) {
        OpslaanBonRegels(regels, kJaar, nr, eerste, laatste, bestanden);
    });
    return nr;
}

WIN_rsv_res_hfd Kop(int32_t nr) { return HfdCache(Bestanden::ResHfd, brlib::tfPerJaar, true, true).Record(kJaar, nr); }

std::vector<t_BonRegel> ProductenVan(int32_t nr, bool omschrijvingVanKaart = false)
{
    std::vector<t_BonRegel> regels{t_BonRegel::TekstRegel(QStringLiteral("oud"))};
    auto bestanden = BonRegelBestanden::Reservering(true);
    ArtikelSource artikelen;
    InlezenBonRegels(regels, kJaar, Kop(nr).eersteProduct, bestanden, artikelen, omschrijvingVanKaart);
    return regels;
}

}  // namespace

TEST(BonRegelOpslag, ProductLinesSurviveASaveWithEveryField)
{
    TempAdmin admin;
    VoegArtikelenToe();
    const int32_t nr = ReserveringMet(Producten(), 101);
    EXPECT_GT(+Kop(nr).eersteProduct, 0);
    EXPECT_EQ(ProductenVan(nr), Producten());
    EXPECT_EQ(Bevindingen(), "");
}

TEST(BonRegelOpslag, RemovedLinesGoAndLeaveTheirRecordsForTheNextSave)
{
    TempAdmin admin;
    VoegArtikelenToe();
    const int32_t geannuleerd = ReserveringMet(Producten(), 101);
    const int32_t ander = ReserveringMet(Producten(), 111);
    const auto regelsVoor = BonRegelBestanden::Reservering(true).regels.RecordCount(kJaar);
    WijzigKop(geannuleerd, [&](int32_t& eerste, int32_t& laatste, BonRegelBestanden& bestanden) {
        VerwijderBonRegels(kJaar, eerste, laatste, bestanden);
    });
    EXPECT_EQ(+Kop(geannuleerd).eersteProduct, 0);
    EXPECT_EQ(+Kop(geannuleerd).laatsteProduct, 0);
    EXPECT_TRUE(ProductenVan(geannuleerd).empty());
    EXPECT_EQ(ProductenVan(ander), Producten()) << "the other reservation's lines stay";
    EXPECT_EQ(Bevindingen(), "");

    const int32_t nieuw = ReserveringMet(Producten(), 121);
    EXPECT_EQ(BonRegelBestanden::Reservering(true).regels.RecordCount(kJaar), regelsVoor);
    EXPECT_EQ(ProductenVan(nieuw), Producten());
    EXPECT_EQ(Bevindingen(), "");
}

TEST(BonRegelOpslag, ReadingCanTakeTheDescriptionOfTheCurrentCard)
{
    TempAdmin admin;
    VoegArtikelenToe();
    auto regels = Producten();
    regels[1].omschrijving = QStringLiteral("Ontbijt op bed");
    const int32_t nr = ReserveringMet(regels, 101);
    EXPECT_EQ(ProductenVan(nr)[1].omschrijving, QStringLiteral("Ontbijt op bed"));
    EXPECT_EQ(ProductenVan(nr, true)[1].omschrijving, QStringLiteral("Ontbijt"));
    EXPECT_EQ(ProductenVan(nr, true)[0].omschrijving, QStringLiteral("Dag 1"));
}

TEST(BonRegelOpslag, TheCheckFindsLinesThatNoReservationHoldsAndBrokenChains)
{
    TempAdmin admin;
    VoegArtikelenToe();
    const int32_t nr = ReserveringMet(Producten(), 101);
    WijzigKop(nr, [&](int32_t& eerste, int32_t& laatste, BonRegelBestanden&) { laatste = eerste; });
    EXPECT_TRUE(Bevindingen().find("laatste is") != std::string::npos) << Bevindingen();
    WijzigKop(nr, [&](int32_t& eerste, int32_t& laatste, BonRegelBestanden&) { eerste = laatste = 0; });
    EXPECT_NE(Bevindingen().find("rsv_resart_bonrgls.dat, jaar 2026, record 2: hoort bij geen enkele ketting"),
              std::string::npos)
        << Bevindingen();
}
