// Loading the shown rows first and the rest on a thread: what the first paint
// has, and that the finished board equals one loaded at once.

#include <gtest/gtest.h>

#include <set>

#include "board/BordDeelLaden.h"
#include "board/BordLaden.h"
#include "tests/board/model/BordTestHulp.h"
#include "tests/host/brlib/ResBouwer.h"
#include "tests/support/TempAdmin.h"

using namespace bord;

namespace {

constexpr RijBereik kBoven{0, 4};  // rooms 101..104 on screen

class BordDeelLaden : public ::testing::Test {
protected:
    void SetUp() override
    {
        lader_.ZetDrempel(1);
        Boek(Res(kStart + 1, kStart + 3, {101}));
        Boek(Res(kStart - 10, kStart + 2, {102}));
        naDeDagen_ = Boek(Res(kStart + 25, kStart + 27, {103}));
        Boek(Res(kStart + 1, kStart + 4, {108}));
        groep_ = Boek(Res(kStart + 5, kStart + 8, {104, 109}));
        Boek(Res(kStart + 2, kStart + 3, {999}));
    }

    static BouwRes Res(TDateTime begin, TDateTime eind, std::initializer_list<int32_t> kamers)
    {
        BouwRes res;
        res.begin = begin;
        res.eind = eind;
        res.gast = {QStringLiteral("Gast")};
        for (int32_t kamer : kamers)
            res.regels.push_back(BouwRegel{kamer});
        return res;
    }

    static std::multiset<int32_t> Kamers(const BordToestand& t)
    {
        std::multiset<int32_t> kamers;
        for (const brlib::stRes& item : t.items)
            kamers.insert(item.kamerNr);
        return kamers;
    }

    static std::set<JaarNr> Reserveringen(const BordToestand& t)
    {
        std::set<JaarNr> sleutels;
        for (const brlib::stExtraRes& extra : t.extras)
            sleutels.insert(extra.resSleutel);
        EXPECT_EQ(sleutels.size(), t.extras.size()) << "a reservation has two extras";
        return sleutels;
    }

    // The same bars in the same cells, each of the same stored line.
    static void ZelfdeCellen(BordToestand& a, BordToestand& b)
    {
        BuildCells(a);
        BuildCells(b);
        const auto regel = [](const BordToestand& t, int item) { return item < 0 ? 0 : t.items[item].regelNr; };
        for (size_t r = 0; r < a.cellen.size(); ++r)
            for (int d = 0; d < kCelDagen; ++d) {
                EXPECT_EQ(a.cellen[r].soort[d], b.cellen[r].soort[d]) << r << " " << d;
                EXPECT_EQ(regel(a, a.cellen[r].eerste[d]), regel(b, b.cellen[r].eerste[d])) << r << " " << d;
                EXPECT_EQ(regel(a, a.cellen[r].tweede[d]), regel(b, b.cellen[r].tweede[d])) << r << " " << d;
            }
    }

    BordToestand Volledig() const
    {
        BordToestand t = BordMetKamers({101, 102, 103, 104, 105, 106, 107, 108, 109, 110});
        LoadItems(t);
        return t;
    }

    TempAdmin admin_;
    BordToestand toestand_ = BordMetKamers({101, 102, 103, 104, 105, 106, 107, 108, 109, 110});
    DeelLader lader_;
    JaarNr naDeDagen_;
    JaarNr groep_;
};

}  // namespace

TEST_F(BordDeelLaden, TheShownRowsComeFirstAndTheRestMakesTheSameBoardAsOneLoad)
{
    lader_.Laad(toestand_, kBoven, {});
    ASSERT_TRUE(lader_.Gedeeltelijk());
    // Room 103's stay begins after the shown days: not needed for the first paint.
    EXPECT_EQ(Kamers(toestand_), (std::multiset<int32_t>{101, 102, 104}));
    EXPECT_NE(toestand_.ExtraVan(groep_), nullptr);
    EXPECT_EQ(toestand_.ExtraVan(naDeDagen_), nullptr);

    ASSERT_TRUE(lader_.Voltooi(toestand_));
    EXPECT_FALSE(lader_.Gedeeltelijk());
    EXPECT_FALSE(lader_.Voltooi(toestand_));
    BordToestand volledig = Volledig();
    EXPECT_EQ(Kamers(toestand_), Kamers(volledig));
    EXPECT_EQ(Reserveringen(toestand_), Reserveringen(volledig));
    EXPECT_EQ(toestand_.ExtraVan(groep_)->regels, QStringList{QStringLiteral("Gast")});
    ZelfdeCellen(toestand_, volledig);
}

TEST_F(BordDeelLaden, ALoadWhileTheRestIsReadDropsThatRest)
{
    lader_.Laad(toestand_, kBoven, {});
    toestand_.startDatum = kStart + 7;
    lader_.Laad(toestand_, kBoven, {});
    lader_.Voltooi(toestand_);

    BordToestand volledig = Volledig();
    volledig.startDatum = kStart + 7;
    LoadItems(volledig);
    EXPECT_EQ(Kamers(toestand_), Kamers(volledig));
    EXPECT_EQ(Reserveringen(toestand_), Reserveringen(volledig));
    ZelfdeCellen(toestand_, volledig);
}

TEST_F(BordDeelLaden, NewLinesAModeFewRoomsOrEveryRowOnScreenLoadEverythingAtOnce)
{
    const size_t alle = Volledig().items.size();
    const auto laadtAlles = [&](RijBereik rijen) {
        lader_.Laad(toestand_, rijen, {});
        EXPECT_FALSE(lader_.Gedeeltelijk());
        EXPECT_EQ(toestand_.items.size(), alle + (toestand_.HeeftNieuweRegels() ? 1 : 0));
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
