// Batched scans over a whole file.
#include <gtest/gtest.h>

#include "host/records/Locks.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvKamer.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvTarief.h"
#include "tests/support/TempAdmin.h"

namespace {

#pragma pack(push, 1)
struct GrootRecord {
    int32_t nr;
    uint8_t rest[4996];
    int ReservedRecs() const { return 0; }
};
#pragma pack(pop)

TEST(ScanBatch, FillsAtMost65535BytesButNeverFewerThan16Records)
{
    EXPECT_EQ(RecordCache<WIN_rsv_tarief>::ScanBatch(), 963);
    EXPECT_EQ(RecordCache<WIN_rsv_kamer>::ScanBatch(), 461);
    EXPECT_EQ(RecordCache<WIN_rsv_res_hfd>::ScanBatch(), 560);
    EXPECT_EQ(RecordCache<GrootRecord>::ScanBatch(), 16);
}

class ScanTest : public testing::Test {
protected:
    // Rates numbered by their amount, so the scan's order shows.
    void Vul(int32_t aantal)
    {
        ASSERT_TRUE(brlib::RsvLock());
        RecordCache<WIN_rsv_tarief> schrijver{Bestanden::Tarief, brlib::tfPerJaar, false, false};
        for (int32_t nr = 1; nr <= aantal; ++nr) {
            WIN_rsv_tarief rec{};
            rec.bedrag = nr;
            schrijver.Store(2026, nr, rec);
        }
        brlib::RsvUnlock();
    }

    TempAdmin admin;
    RecordCache<WIN_rsv_tarief> tarief{Bestanden::Tarief, brlib::tfPerJaar, true, true};
};

TEST_F(ScanTest, VisitsEveryRecordAcrossBatchesInOrderFromTheFirstNumber)
{
    Vul(2000);
    std::vector<int32_t> gezien;
    tarief.Scan(2026, 2, [&](int32_t jaar, int32_t nr, const WIN_rsv_tarief& rec) {
        EXPECT_EQ(jaar, 2026);
        EXPECT_EQ(+rec.bedrag, nr);
        gezien.push_back(nr);
        return true;
    });
    ASSERT_EQ(gezien.size(), 1999u);
    EXPECT_EQ(gezien.front(), 2);
    EXPECT_EQ(gezien.back(), 2000);
}

TEST_F(ScanTest, StopsForGoodWhenTheCallbackSaysSo)
{
    Vul(10);
    int aanroepen = 0;
    tarief.Scan(2026, 1, [&](int32_t, int32_t nr, const WIN_rsv_tarief&) {
        ++aanroepen;
        return nr < 3;
    });
    EXPECT_EQ(aanroepen, 3);
}

TEST_F(ScanTest, EmptyOrMissingFileCallsNothing)
{
    bool aangeroepen = false;
    tarief.Scan(2031, 1, [&](int32_t, int32_t, const WIN_rsv_tarief&) { return aangeroepen = true; });
    EXPECT_FALSE(aangeroepen);
}

}  // namespace
