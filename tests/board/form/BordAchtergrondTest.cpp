// A large board shows its rows on screen first and reads the rest in the
// background: whatever the user does next finds every line.

#include <set>

#include "board/BordDatums.h"
#include "host/records/Locks.h"
#include "host/records/UpdateCount.h"
#include "tests/board/form/BordFormTest.h"

namespace {

constexpr int kKamers = 60;
const TDateTime kAankomst = EncodeDate(2026, 3, 10);

class BordAchtergrondTest : public BordFormTest {
protected:
    void SetUp() override
    {
        MaakKamers(kKamers);
        for (int k = 0; k < kKamers; ++k)
            Boek(kAankomst, 2, 101 + k, "Gast");
    }

    // Shown without handling events, so the rest has not been added yet.
    TfrmRsvOvRes& OpenDeels()
    {
        bord_ = std::make_unique<TfrmRsvOvRes>(nullptr, nullptr);
        bord_->ZetDeelsLadenVanaf(1);
        bord_->show();
        EXPECT_TRUE(bord_->Gedeeltelijk());
        return *bord_;
    }

    // The kind of room row `rij`'s cell on the arrival day.
    int Aankomst(int rij) const
    {
        const bord::BordToestand& t = bord_->Toestand();
        return t.cellen[size_t(rij)].soort[size_t(bord::DagGetal(kAankomst) - bord::DagGetal(t.startDatum))];
    }

    static std::set<int32_t> Regels(const bord::BordToestand& t)
    {
        std::set<int32_t> regels;
        for (const brlib::stRes& item : t.items)
            regels.insert(item.regelNr);
        EXPECT_EQ(regels.size(), t.items.size()) << "a line loaded twice";
        return regels;
    }
};

}  // namespace

TEST_F(BordAchtergrondTest, ARowScrolledIntoViewBeforeTheRestIsReadShowsItsBookings)
{
    TfrmRsvOvRes& bord = OpenDeels();
    const int onderste = kKamers - 1;
    ASSERT_GT(onderste, bord.Geometrie().LaatsteZichtbareRij());
    EXPECT_EQ(Aankomst(0), bord::celAankomst);

    while (Deel("btnPgDn")->isEnabled())
        Klik("btnPgDn");
    EXPECT_FALSE(bord.Gedeeltelijk());
    EXPECT_EQ(Aankomst(onderste), bord::celAankomst);
    EXPECT_EQ(bord.Toestand().items.size(), size_t(kKamers));
}

TEST_F(BordAchtergrondTest, TheRestArrivesByItselfAndKeepsTheSelection)
{
    TfrmRsvOvRes& bord = OpenDeels();
    const JaarNr eerste = bord.Toestand().items.front().resSleutel;
    bord.ShowSelected(eerste);
    while (bord.Gedeeltelijk())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    EXPECT_EQ(bord.Toestand().items.size(), size_t(kKamers));
    EXPECT_EQ(Tekst("flblResBoekNr"), eerste.String(2, 5));
}

TEST_F(BordAchtergrondTest, ARefreshWhileTheRestIsReadLoadsEveryLineOnce)
{
    TfrmRsvOvRes& bord = OpenDeels();
    JaarNr later;
    {
        brlib::WerkstationScope tweede(admin_.Second());
        later = Boek(kAankomst + 3, 1, 100 + kKamers, "Later");
        brlib::RsvActie actie;
        ASSERT_TRUE(actie.Locked());
        brlib::RsvChangeUpdateCount();
        actie.Commit();
    }
    bord.tmrUpdateTimer();
    EXPECT_TRUE(bord.Gedeeltelijk());
    bord.ZorgVolledig();
    EXPECT_EQ(Regels(bord.Toestand()).size(), size_t(kKamers + 1));
    EXPECT_NE(bord.Toestand().ExtraVan(later), nullptr);
    // The first load's notice arrives late and finds nothing left to add.
    QApplication::processEvents();
    EXPECT_EQ(Regels(bord.Toestand()).size(), size_t(kKamers + 1));
}
