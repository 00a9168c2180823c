#include <gtest/gtest.h>

#include <cstring>
#include <QFile>

#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "host/records/RecordCacheImpl.h"
#include "tests/support/TempAdmin.h"

using namespace brlib;

namespace {

struct Rec {
    int32_t nr;
    char tekst[12];
};

Rec Maak(int32_t nr, const char* tekst)
{
    Rec r{};
    r.nr = nr;
    std::strncpy(r.tekst, tekst, sizeof r.tekst - 1);
    return r;
}

Rec Lees(RecordCacheImpl& cache, int32_t jaar, int32_t nr)
{
    Rec r;
    std::memcpy(&r, cache.Record(jaar, nr), sizeof r);
    return r;
}

void Schrijf(const QString& naam, int format, int32_t jaar, std::initializer_list<Rec> recs)
{
    ASSERT_TRUE(RsvLock());
    RecordCacheImpl cache(sizeof(Rec), naam, format, false, false);
    int32_t nr = 1;
    for (const Rec& r : recs)
        cache.Store(jaar, nr++, &r);
    RsvUnlock();
}

}  // namespace

TEST(RecordCacheImpl, StoresAndReadsBackSingleAndPerYearFiles)
{
    TempAdmin admin;
    Schrijf("een.dat", tfEenBestand, 0, {Maak(1, "a"), Maak(2, "b")});
    Schrijf("jaar.dat", tfPerJaar, 2026, {Maak(7, "x")});
    Schrijf("jaar.dat", tfPerJaar, 2027, {Maak(8, "y"), Maak(9, "z"), Maak(10, "w")});

    EXPECT_EQ(QFile(admin.Pad("een.dat")).size(), 2 * qint64(sizeof(Rec)));
    EXPECT_TRUE(QFile::exists(admin.Pad("2026/jaar.dat")));

    RecordCacheImpl een(sizeof(Rec), "een.dat", tfEenBestand, true, true);
    EXPECT_EQ(een.RecordCount(0), 2);
    EXPECT_STREQ(Lees(een, 0, 2).tekst, "b");

    RecordCacheImpl jaar(sizeof(Rec), "jaar.dat", tfPerJaar, true, true);
    EXPECT_EQ(jaar.RecordCount(2026), 1);
    EXPECT_EQ(jaar.RecordCount(2027), 3);
    EXPECT_EQ(jaar.RecordCount(2028), 0);
    EXPECT_EQ(Lees(jaar, 2027, 3).nr, 10);
    EXPECT_EQ(Lees(jaar, 2026, 1).nr, 7);
    EXPECT_EQ(jaar.NaamDeel1(), "jaar");
    EXPECT_EQ(jaar.NaamDeel2(), "dat");
}

TEST(RecordCacheImpl, ReadsOwnWritesThroughEveryCacheBeforeCommit)
{
    TempAdmin admin;
    Schrijf("f.dat", tfEenBestand, 0, {Maak(1, "oud")});
    ASSERT_TRUE(RsvLock());
    RecordCacheImpl schrijver(sizeof(Rec), "f.dat", tfEenBestand, false, false);
    RecordCacheImpl lezer(sizeof(Rec), "f.dat", tfEenBestand, true, true);
    EXPECT_STREQ(Lees(lezer, 0, 1).tekst, "oud");
    const Rec nieuw = Maak(1, "nieuw");
    schrijver.Store(0, 1, &nieuw);
    const Rec tweede = Maak(2, "twee");
    schrijver.Store(0, 2, &tweede);
    EXPECT_STREQ(Lees(lezer, 0, 1).tekst, "nieuw");
    EXPECT_EQ(lezer.RecordCount(0), 2);

    // Another workstation sees only committed data until the action ends.
    WerkstationScope ander(admin.Second());
    RecordCacheImpl buiten(sizeof(Rec), "f.dat", tfEenBestand, true, true);
    EXPECT_STREQ(Lees(buiten, 0, 1).tekst, "oud");
    EXPECT_EQ(buiten.RecordCount(0), 1);
    {
        WerkstationScope terug(admin.Werkstation());
        RsvUnlock();
    }
    RecordCacheImpl later(sizeof(Rec), "f.dat", tfEenBestand, true, true);
    EXPECT_STREQ(Lees(later, 0, 1).tekst, "nieuw");
    EXPECT_EQ(later.RecordCount(0), 2);
}

TEST(RecordCacheImpl, StoreBeyondTheEndLeavesZeroedGap)
{
    TempAdmin admin;
    ASSERT_TRUE(RsvLock());
    RecordCacheImpl dag(50, "dag.pnt", tfPerJaar, false, false);
    char pointer[50] = {1, 2, 3};
    dag.Store(2026, 200, pointer);
    RsvUnlock();

    RecordCacheImpl lezer(50, "dag.pnt", tfPerJaar, true, true);
    EXPECT_EQ(lezer.RecordCount(2026), 200);
    const char* leeg = static_cast<const char*>(lezer.Record(2026, 199));
    EXPECT_TRUE(std::all_of(leeg, leeg + 50, [](char c) { return c == 0; }));
    EXPECT_EQ(std::memcmp(lezer.Record(2026, 200), pointer, 50), 0);
}

TEST(RecordCacheImpl, BatchReadMatchesSingleReadsAcrossChunksAndWrites)
{
    TempAdmin admin;
    constexpr int kAantal = 3000;  // 136-byte records span several chunks
    ASSERT_TRUE(RsvLock());
    RecordCacheImpl cache(136, "rgl.dat", tfPerJaar, false, false);
    std::vector<char> record(136);
    for (int nr = 1; nr <= kAantal; ++nr) {
        std::memset(record.data(), nr % 251, record.size());
        cache.Store(2026, nr, record.data());
    }
    RsvUnlock();

    ASSERT_TRUE(RsvLock());
    std::memset(record.data(), 0x7f, record.size());
    cache.Store(2026, 1000, record.data());  // inside the action: overlay over chunks
    std::vector<char> batch(136 * kAantal);
    ASSERT_EQ(cache.Records(2026, 1, kAantal + 10, batch.data()), kAantal);
    for (int nr = 1; nr <= kAantal; ++nr)
        ASSERT_EQ(std::memcmp(batch.data() + (nr - 1) * 136, cache.Record(2026, nr), 136), 0) << nr;
    EXPECT_EQ(batch[999 * 136], 0x7f);
    EXPECT_EQ(cache.Records(2026, kAantal + 1, 5, batch.data()), 0);
    RsvAfbreken();
    EXPECT_EQ(static_cast<const char*>(cache.Record(2026, 1000))[0], char(1000 % 251));
}

TEST(RecordCacheImpl, BadNumbersAndDamagedFilesRaiseEBrRuntime)
{
    TempAdmin admin;
    Schrijf("f.dat", tfEenBestand, 0, {Maak(1, "a"), Maak(2, "b")});
    QFile f(admin.Pad("f.dat"));
    ASSERT_TRUE(f.resize(sizeof(Rec) + 5));  // the second record cut short

    RecordCacheImpl cache(sizeof(Rec), "f.dat", tfEenBestand, true, true);
    EXPECT_EQ(cache.RecordCount(0), 1);
    EXPECT_THROW(cache.Record(0, 2), EBrRuntime);
    EXPECT_THROW(cache.Record(0, 0), EBrRuntime);
    EXPECT_THROW(cache.Record(0, -4), EBrRuntime);
    EXPECT_THROW(cache.Record(0, 1000000), EBrRuntime);
    std::vector<char> buffer(sizeof(Rec) * 4);
    EXPECT_EQ(cache.Records(0, 1, 4, buffer.data()), 1);
    EXPECT_THROW(cache.Records(0, 0, 4, buffer.data()), EBrRuntime);

    RecordCacheImpl perJaar(sizeof(Rec), "j.dat", tfPerJaar, true, true);
    EXPECT_THROW(perJaar.Record(0, 1), EBrRuntime);
    EXPECT_THROW(perJaar.Record(2026, 1), EBrRuntime);
}

TEST(RecordCacheImpl, StoreNeedsTheLockAndAWritableCache)
{
    TempAdmin admin;
    const Rec r = Maak(1, "a");
    RecordCacheImpl schrijver(sizeof(Rec), "f.dat", tfEenBestand, false, false);
    EXPECT_THROW(schrijver.Store(0, 1, &r), EBrRuntime);

    ASSERT_TRUE(RsvLock());
    RecordCacheImpl lezer(sizeof(Rec), "f.dat", tfEenBestand, true, true);
    EXPECT_THROW(lezer.Store(0, 1, &r), EBrRuntime);
    EXPECT_THROW(schrijver.Store(0, 0, &r), EBrRuntime);
    RsvUnlock();
    EXPECT_FALSE(QFile::exists(admin.Pad("f.dat")));
}

TEST(RecordCacheImpl, TakingTheLockDropsDataReadBeforeIt)
{
    TempAdmin admin;
    Schrijf("f.dat", tfEenBestand, 0, {Maak(1, "oud")});
    RecordCacheImpl cache(sizeof(Rec), "f.dat", tfEenBestand, false, false);
    EXPECT_STREQ(Lees(cache, 0, 1).tekst, "oud");
    {
        WerkstationScope ander(admin.Second());
        Schrijf("f.dat", tfEenBestand, 0, {Maak(1, "elders")});
    }
    ASSERT_TRUE(RsvLock());
    EXPECT_STREQ(Lees(cache, 0, 1).tekst, "elders");
    RsvUnlock();
}
