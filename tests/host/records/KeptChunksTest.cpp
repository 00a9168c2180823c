// A workstation keeps the chunks it read under the lock for its next action;
// whatever another workstation committed in between must be seen all the same.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>

#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "host/records/RecordCacheImpl.h"
#include "host/records/UpdateCount.h"
#include "host/records/Werkstation.h"
#include "tests/support/FaultFileSystem.h"
#include "tests/support/TempAdmin.h"

using namespace brlib;

namespace {

constexpr int kGrootte = 16;
constexpr int32_t kJaar = 2026;
const QString kBestand = QStringLiteral("kept.dat");
constexpr int32_t kVoorbijEersteBlok = 64 * 1024 / kGrootte + 3;  // a record in the second 64 KiB chunk

QByteArray Rec(char c) { return QByteArray(kGrootte, c); }

// One action on `werkstation`: stores `recs` (record number, byte), raising the
// update count only when asked, as master data and housekeeping do not.
void Schrijf(const std::shared_ptr<Werkstation>& werkstation, std::initializer_list<std::pair<int32_t, char>> recs,
             bool verhoog = false)
{
    WerkstationScope scope(werkstation);
    ASSERT_TRUE(RsvLock());
    RecordCacheImpl cache(kGrootte, kBestand, tfPerJaar, false, false);
    for (const auto& [nr, c] : recs)
        cache.Store(kJaar, nr, Rec(c).constData());
    if (verhoog)
        RsvChangeUpdateCount();
    RsvUnlock();
}

// What an action on `werkstation` reads: record `nr` and the record count.
std::pair<QByteArray, int32_t> Lees(const std::shared_ptr<Werkstation>& werkstation, int32_t nr)
{
    WerkstationScope scope(werkstation);
    EXPECT_TRUE(RsvLock());
    RecordCacheImpl cache(kGrootte, kBestand, tfPerJaar, true, true);
    std::pair<QByteArray, int32_t> uit{QByteArray(static_cast<const char*>(cache.Record(kJaar, nr)), kGrootte),
                                       cache.RecordCount(kJaar)};
    RsvUnlock();
    return uit;
}

}  // namespace

TEST(KeptChunks, ACommitOfAnotherWorkstationIsSeenAtTheNextLock)
{
    TempAdmin admin;
    auto een = admin.Werkstation();
    auto twee = admin.Second();
    Schrijf(een, {{1, 'a'}, {2, 'a'}}, true);
    for (const bool verhoog : {false, true}) {
        const char c = verhoog ? 'c' : 'b';
        ASSERT_EQ(Lees(een, 1).second, verhoog ? 3 : 2);  // keeps the chunk
        Schrijf(twee, {{1, c}, {3, c}}, verhoog);
        EXPECT_EQ(Lees(een, 1), std::make_pair(Rec(c), 3)) << "verhoog = " << verhoog;
    }
}

TEST(KeptChunks, OwnCommitsAreLaidOverTheKeptChunks)
{
    TempAdmin admin;
    auto een = admin.Werkstation();
    Schrijf(een, {{1, 'a'}, {kVoorbijEersteBlok - 1, 'a'}});
    ASSERT_EQ(Lees(een, kVoorbijEersteBlok - 1).first, Rec('a'));
    Schrijf(een, {{1, 'b'}, {kVoorbijEersteBlok, 'b'}});
    EXPECT_EQ(Lees(een, 1).first, Rec('b'));
    EXPECT_EQ(Lees(een, kVoorbijEersteBlok), std::make_pair(Rec('b'), kVoorbijEersteBlok));
    // What another workstation reads from disk agrees.
    EXPECT_EQ(Lees(admin.Second(), kVoorbijEersteBlok), std::make_pair(Rec('b'), kVoorbijEersteBlok));
}

TEST(KeptChunks, AFailedOrCrashedCommitLeavesNothingOfItInTheKeptChunks)
{
    TempAdmin admin;
    auto een = admin.Werkstation();
    Schrijf(een, {{1, 'a'}});
    // Its own commit fails on a full disk.
    {
        FaultFileSystem fs;
        auto vol = std::make_shared<Werkstation>(admin.Dir(), fs);
        ASSERT_EQ(Lees(vol, 1).first, Rec('a'));
        fs.FailWrite(3);
        EXPECT_THROW(Schrijf(vol, {{1, 'x'}, {2, 'x'}}), EBrRuntime);
        EXPECT_EQ(Lees(vol, 1), std::make_pair(Rec('a'), 1));
    }
    // Another workstation loses power somewhere in its commit; the next lock
    // finishes what reached its commit point and drops the rest.
    for (int n = 1; n <= 5; ++n) {
        Lees(een, 1);  // keeps the chunk
        FaultFileSystem fs;
        fs.PowerOffAfterWrites(n);
        try {
            Schrijf(std::make_shared<Werkstation>(admin.Dir(), fs), {{1, char('0' + n)}, {2, char('0' + n)}});
        } catch (const EBrRuntime&) {
        }
        fs.DropUnsynced();
        const auto gezien = Lees(een, 1);
        EXPECT_EQ(gezien, Lees(admin.Second(), 1)) << "n = " << n;
        EXPECT_TRUE(gezien.first == Rec('a') || gezien.first == Rec(char('0' + n))) << "n = " << n;
    }
}

TEST(KeptChunks, AFilePutBackByHandIsReadAgain)
{
    TempAdmin admin;
    auto een = admin.Werkstation();
    Schrijf(een, {{1, 'a'}, {2, 'a'}});
    ASSERT_EQ(Lees(een, 1).first, Rec('a'));
    // The same size, the update count untouched: only the file's stamp tells.
    QFile bestand(admin.Pad(QStringLiteral("2026/kept.dat")));
    ASSERT_TRUE(bestand.open(QIODevice::ReadWrite));
    bestand.write(Rec('h'));
    bestand.close();
    EXPECT_EQ(Lees(een, 1), std::make_pair(Rec('h'), 2));
}
