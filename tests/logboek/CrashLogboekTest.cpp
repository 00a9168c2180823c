// A failed or interrupted action leaves neither its change nor its audit
// record: both are written by the one commit.

#include <QFile>

#include "host/base/EBrRuntime.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/records/Journal.h"
#include "reservation/ResGegBewaren.h"
#include "tests/logboek/LogboekTest.h"
#include "tests/support/FaultFileSystem.h"
#include "tests/support/RecordBestanden.h"

namespace {

class CrashLogboek : public LogboekTest {
protected:
    void SetUp() override
    {
        LogboekTest::SetUp();
        res_ = Boek(101, vandaag_, 3);
        basis_ = Logboek().size();
    }

    ResWijziging Wijziging() const
    {
        brlib::RsvReserveringCursorRandom cursor;
        const brlib::RsvReservering res = cursor.At(res_);
        ResGegevens gegevens;
        gegevens.gastRegels = {QStringLiteral("de Vries")};
        return MaakWijziging(res, res, gegevens, {});
    }

    QString Gast() const
    {
        brlib::RsvReserveringCursorRandom cursor;
        return cursor.At(res_).gastRegels.value(0);
    }

    JaarNr res_;
    size_t basis_ = 0;
};

TEST_F(CrashLogboek, AFullDiskAtAnyWriteLeavesNeitherTheChangeNorItsRecord)
{
    const ResWijziging w = Wijziging();
    FaultFileSystem fs;
    int mislukt = 0;
    for (int n = 1; n < 80; ++n) {
        const auto voor = AlleBestanden(admin_.Dir());
        ActieUitkomst uitkomst;
        {
            brlib::WerkstationScope scope(std::make_shared<brlib::Werkstation>(admin_.Dir(), fs));
            fs.FailWrite(n);
            uitkomst = BewaarResWijziging(w, kTitel);
            fs.FailWrite(0);
        }
        if (uitkomst == ActieUitkomst::Gedaan)
            break;
        ++mislukt;
        EXPECT_EQ(AlleBestanden(admin_.Dir()), voor) << "write " << n;
    }
    EXPECT_GT(mislukt, 5);
    EXPECT_EQ(Gast(), "de Vries");
    EXPECT_EQ(Logboek().size(), basis_ + 1);
}

TEST_F(CrashLogboek, APowerCutAtAnyWriteLeavesBothOrNeitherAfterRecovery)
{
    const ResWijziging w = Wijziging();
    const auto voor = AlleBestanden(admin_.Dir());
    for (int k = 1; k < 80; ++k) {
        FaultFileSystem fs;
        {
            brlib::WerkstationScope scope(std::make_shared<brlib::Werkstation>(admin_.Dir(), fs));
            fs.PowerOffAfterWrites(k);
            BewaarResWijziging(w, kTitel);
        }
        const bool klaar = !fs.PoweredOff();
        fs.DropUnsynced();
        // The next lock holder finishes what the journal holds.
        auto volgende = std::make_shared<brlib::Werkstation>(admin_.Dir());
        ASSERT_TRUE(volgende->Lock({"rsv"}));
        volgende->Unlock({"rsv"});
        brlib::WerkstationScope scope(volgende);
        const bool gewijzigd = Gast() == "de Vries";
        EXPECT_EQ(Logboek().size(), basis_ + (gewijzigd ? 1 : 0)) << "k = " << k;
        if (klaar) {
            EXPECT_TRUE(gewijzigd);
            EXPECT_GT(k, 3);
            return;
        }
        ZetBestanden(admin_.Dir(), voor);
    }
    FAIL() << "the save never completed";
}

}  // namespace
