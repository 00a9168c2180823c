#include <gtest/gtest.h>

#include <algorithm>

#include "board/BordLaden.h"
#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResRgl.h"
#include "tests/board/model/BordTestHulp.h"
#include "tests/host/brlib/ResBouwer.h"
#include "tests/support/TempAdmin.h"

using namespace bord;

namespace {

class BordLaden : public ::testing::Test {
protected:
    static JaarNr BoekKamer(int32_t kamer, TDateTime begin, TDateTime eind, QStringList gast = {})
    {
        BouwRes res;
        res.begin = begin;
        res.eind = eind;
        res.gast = std::move(gast);
        res.regels = {BouwRegel{kamer}};
        return Boek(res);
    }

    const brlib::stRes* ItemVan(JaarNr sleutel) const
    {
        const auto hit = std::find_if(toestand_.items.begin(), toestand_.items.end(),
                                      [&](const brlib::stRes& item) { return item.resSleutel == sleutel; });
        return hit == toestand_.items.end() ? nullptr : &*hit;
    }

    TempAdmin admin_;
    BordToestand toestand_ = BordMetKamers({101, 102});
};

}  // namespace

TEST_F(BordLaden, FindsLinesChainedFrom49DaysBeforeTheStartUpTo48DaysAfter)
{
    const JaarNr vroegst = BoekKamer(101, kStart - 49, kStart - 45);
    const JaarNr teVroeg = BoekKamer(101, kStart - 50, kStart - 49);
    const JaarNr laatst = BoekKamer(102, kStart + 48, kStart + 50);
    const JaarNr teLaat = BoekKamer(102, kStart + 49, kStart + 50);
    const JaarNr lang = BoekKamer(102, kStart - 40, kStart + 3);

    LoadItems(toestand_);
    EXPECT_NE(ItemVan(vroegst), nullptr);
    EXPECT_EQ(ItemVan(teVroeg), nullptr);
    EXPECT_NE(ItemVan(laatst), nullptr);
    EXPECT_EQ(ItemVan(teLaat), nullptr);
    ASSERT_NE(ItemVan(lang), nullptr);
    EXPECT_EQ(ItemVan(lang)->begin, kStart - 40);
    EXPECT_EQ(ItemVan(lang)->eind, kStart + 3);
    EXPECT_EQ(ItemVan(lang)->kamerNr, 102);
    EXPECT_EQ(toestand_.items.size(), 3u);
    EXPECT_EQ(toestand_.extras.size(), 3u);
}

TEST_F(BordLaden, EachReservationGetsOneExtraWithItsNameGroupAndCounter)
{
    BouwRes groep;
    groep.begin = kStart + 1;
    groep.eind = kStart + 4;
    groep.groepNr = 7;
    groep.wijzigTeller = 5;
    groep.gast = {QStringLiteral("  Jansen "), QStringLiteral("Dorpsstraat 1")};
    groep.relWaarden = {QStringLiteral("niet deze")};
    groep.regels = {BouwRegel{101}, BouwRegel{102}};
    const JaarNr metGast = Boek(groep);

    BouwRes relatie;
    relatie.begin = kStart + 6;
    relatie.eind = kStart + 7;
    relatie.relWaarden = {QStringLiteral("Bakkerij Smit")};
    relatie.regels = {BouwRegel{101}};
    const JaarNr metRelatie = Boek(relatie);
    VoorRegistreer(metGast, 102, {QStringLiteral("Pietersen")});

    LoadItems(toestand_);
    ASSERT_EQ(toestand_.items.size(), 3u);
    ASSERT_EQ(toestand_.extras.size(), 2u);
    const brlib::stExtraRes* extra = toestand_.ExtraVan(metGast);
    ASSERT_NE(extra, nullptr);
    EXPECT_EQ(extra->regels, (QStringList{QStringLiteral("  Jansen "), QStringLiteral("Dorpsstraat 1")}));
    EXPECT_EQ(extra->groepNr, 7);
    EXPECT_EQ(extra->wijzigTeller, 5);
    ASSERT_EQ(extra->voorRegs.size(), 1u);
    EXPECT_EQ(extra->voorRegs[0].kamerNr, 102);
    EXPECT_EQ(extra->voorRegs[0].regels, QStringList{QStringLiteral("Pietersen")});

    ASSERT_NE(toestand_.ExtraVan(metRelatie), nullptr);
    EXPECT_EQ(toestand_.ExtraVan(metRelatie)->regels, QStringList{QStringLiteral("Bakkerij Smit")});
    EXPECT_TRUE(toestand_.ExtraVan(metRelatie)->voorRegs.empty());
}

TEST_F(BordLaden, CheckInStateIsReadWithTheLine)
{
    const JaarNr binnen = BoekKamer(101, kStart, kStart + 2);
    const JaarNr weg = BoekKamer(102, kStart, kStart + 2);
    const TDateTime in = EncodeDateTime(2026, 3, 2, 14, 30, 0);
    const TDateTime uit = EncodeDateTime(2026, 3, 4, 10, 0, 0);
    const JaarNr inCheck = CheckIn(binnen, RegelNummers(binnen)[0], {in, false, 0});
    CheckIn(weg, RegelNummers(weg)[0], {in, true, uit});

    LoadItems(toestand_);
    ASSERT_NE(ItemVan(binnen), nullptr);
    EXPECT_EQ(ItemVan(binnen)->inCheck.sleutel, inCheck);
    EXPECT_NEAR(ItemVan(binnen)->inCheck.inCheckTijd, in, 1e-6);
    EXPECT_FALSE(ItemVan(binnen)->inCheck.uitgecheckt);
    ASSERT_NE(ItemVan(weg), nullptr);
    EXPECT_TRUE(ItemVan(weg)->inCheck.uitgecheckt);
    EXPECT_NEAR(ItemVan(weg)->inCheck.uitCheckTijd, uit, 1e-6);
}

TEST_F(BordLaden, LinesOfThePreviousYearAreFoundOverTheYearEnd)
{
    toestand_.startDatum = EncodeDate(2027, 1, 4);
    const JaarNr december = BoekKamer(101, EncodeDate(2026, 12, 30), EncodeDate(2027, 1, 6));
    LoadItems(toestand_);
    ASSERT_EQ(toestand_.items.size(), 1u);
    EXPECT_EQ(toestand_.items[0].resSleutel, december);
    EXPECT_EQ(december.jaar, 2026);
}

TEST_F(BordLaden, NewLinesSurviveAReloadAndStayLast)
{
    BoekKamer(101, kStart, kStart + 2);
    BoekKamer(102, kStart + 30, kStart + 32);
    LoadItems(toestand_);
    toestand_.items.push_back(NieuweRegel(102, 3, 5));
    toestand_.items.push_back(NieuweRegel(101, 3, 5));

    toestand_.startDatum = kStart + 60;  // the first booking drops out of the window
    LoadItems(toestand_);
    ASSERT_EQ(toestand_.items.size(), 3u);
    EXPECT_FALSE(toestand_.items[0].nieuw);
    EXPECT_EQ(toestand_.items[1].kamerNr, 102);
    EXPECT_TRUE(toestand_.items[1].nieuw);
    EXPECT_EQ(toestand_.items[2].kamerNr, 101);
    EXPECT_TRUE(toestand_.HeeftNieuweRegels());
}

TEST_F(BordLaden, ADayChainRunningInACircleStopsTheLoadButKeepsTheNewLines)
{
    MaakDagKetenRond(BoekKamer(101, kStart + 2, kStart + 4));
    toestand_.items.push_back(NieuweRegel(102, 3, 5));
    EXPECT_THROW(LoadItems(toestand_), EBrRuntime);
    ASSERT_FALSE(toestand_.items.empty());
    EXPECT_TRUE(toestand_.items.back().nieuw);
}
