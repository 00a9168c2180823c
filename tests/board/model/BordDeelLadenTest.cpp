// Loading the shown rows first and the rest on a thread: what the first paint
// has, and that the finished board equals one loaded at once.

#include <gtest/gtest.h>

#include <set>

#include "board/BordDeelLaden.h"
#include "board/BordLaden.h"
#include "host/base/EBrRuntime.h"
#include "tests/board/model/BordTestHulp.h"
#include "tests/host/brlib/ResBouwer.h"
#include "tests/support/TempAdmin.h"

using namespace bord;

namespace {

constexpr RijBereik kBoven{0, 4};  // rooms 101..104 on screen

BordToestand Bord() { return BordMetKamers({101, 102, 103, 104, 105, 106, 107, 108, 109, 110}); }

JaarNr BoekOp(TDateTime begin, TDateTime eind, std::initializer_list<int32_t> kamers)
{
    BouwRes res;
    res.begin = begin;
    res.eind = eind;
    res.gast = {QStringLiteral("Gast")};
    for (int32_t kamer : kamers)
        res.regels.push_back(BouwRegel{kamer});
    return Boek(res);
}

std::multiset<int32_t> Kamers(const BordToestand& t)
{
    std::multiset<int32_t> kamers;
    for (const brlib::stRes& item : t.items)
        kamers.insert(item.kamerNr);
    return kamers;
}

class BordDeelLaden : public ::testing::Test {
protected:
    void SetUp() override
    {
        lader_.ZetDrempel(1);
        eerste_ = BoekOp(kStart + 1, kStart + 3, {101});
        BoekOp(kStart - 10, kStart + 2, {102});
        naDeDagen_ = BoekOp(kStart + 25, kStart + 27, {103});
        BoekOp(kStart + 1, kStart + 4, {108});
        groep_ = BoekOp(kStart + 5, kStart + 8, {104, 109});
        BoekOp(kStart + 2, kStart + 3, {999});
    }

    TempAdmin admin_;
    BordToestand toestand_ = Bord();
    DeelLader lader_;
    JaarNr eerste_;
    JaarNr naDeDagen_;
    JaarNr groep_;
};

}  // namespace

TEST_F(BordDeelLaden, TheShownRowsComeFirstAndTheRestMakesTheSameBoardAsOneLoad)
{
    lader_.Laad(toestand_, kBoven, {});
    ASSERT_TRUE(lader_.Gedeeltelijk());
    // Room 103's stay begins after the shown days: the first paint does not need it.
    EXPECT_EQ(Kamers(toestand_), (std::multiset<int32_t>{101, 102, 104}));
    EXPECT_NE(toestand_.ExtraVan(groep_), nullptr);
    EXPECT_EQ(toestand_.ExtraVan(naDeDagen_), nullptr);

    ASSERT_TRUE(lader_.Voltooi(toestand_));
    EXPECT_FALSE(lader_.Voltooi(toestand_));
    BordToestand volledig = Bord();
    LoadItems(volledig);
    EXPECT_EQ(Kamers(toestand_), Kamers(volledig));
    EXPECT_EQ(toestand_.extras.size(), volledig.extras.size()) << "a reservation read twice or not at all";
    for (const brlib::stRes& item : toestand_.items)
        EXPECT_NE(toestand_.ExtraVan(item.resSleutel), nullptr);
    BuildCells(toestand_);
    BuildCells(volledig);
    const auto regel = [](const BordToestand& t, int item) { return item < 0 ? 0 : t.items[item].regelNr; };
    for (size_t r = 0; r < volledig.cellen.size(); ++r)
        for (int d = 0; d < kCelDagen; ++d) {
            EXPECT_EQ(toestand_.cellen[r].soort[d], volledig.cellen[r].soort[d]) << r << " " << d;
            EXPECT_EQ(regel(toestand_, toestand_.cellen[r].eerste[d]), regel(volledig, volledig.cellen[r].eerste[d]));
            EXPECT_EQ(regel(toestand_, toestand_.cellen[r].tweede[d]), regel(volledig, volledig.cellen[r].tweede[d]));
        }
}

TEST_F(BordDeelLaden, NewLinesAModeFewRoomsOrEveryRowOnScreenLoadEverythingAtOnce)
{
    const auto laadtAlles = [&](RijBereik rijen) {
        lader_.Laad(toestand_, rijen, {});
        EXPECT_FALSE(lader_.Gedeeltelijk());
        EXPECT_EQ(toestand_.items.size(), size_t(toestand_.HeeftNieuweRegels() ? 8 : 7));
    };
    laadtAlles({0, 10});
    lader_.ZetDrempel(11);
    laadtAlles(kBoven);
    lader_.ZetDrempel(1);
    toestand_.groepModus = 1;
    laadtAlles(kBoven);
    toestand_.groepModus = 0;
    toestand_.items.push_back(NieuweRegel(105, 1, 3));
    laadtAlles(kBoven);
    EXPECT_TRUE(toestand_.items.back().nieuw);
}

// Whichever reader meets a chain running in a circle, the load that needs the
// chain says so and leaves no reading behind.
TEST_F(BordDeelLaden, ACircularChainStopsTheStepThatReadsIt)
{
    MaakDagKetenRond(naDeDagen_);
    lader_.Laad(toestand_, kBoven, {});
    EXPECT_THROW(lader_.Voltooi(toestand_), EBrRuntime);
    EXPECT_FALSE(lader_.Gedeeltelijk());
    EXPECT_EQ(Kamers(toestand_).count(101), 1u) << "what was read stays";

    MaakDagKetenRond(eerste_);
    for (int keer = 0; keer < 20; ++keer) {
        EXPECT_THROW(lader_.Laad(toestand_, kBoven, {}), EBrRuntime);
        EXPECT_FALSE(lader_.Gedeeltelijk());
    }
}
