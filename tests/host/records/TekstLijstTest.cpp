#include <gtest/gtest.h>

#include <cstring>
#include <QFile>

#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "host/records/RecordCacheImpl.h"
#include "host/records/TekstLijst.h"
#include "tests/support/TempAdmin.h"

using namespace brlib;

namespace {
int32_t Schrijf(const JaarNr& sleutel, const QStringList& regels)
{
    EXPECT_TRUE(RsvLock());
    const int32_t nr = SchrijfTekstLijstFile("rsv_resgeg.tkt", sleutel, regels);
    RsvUnlock();
    return nr;
}

int32_t AantalRecords()
{
    RecordCacheImpl cache(sizeof(DOS_tkst_dsk_strukt), "rsv_resgeg.tkt", tfPerJaar, true, true);
    return cache.RecordCount(2026);
}
}  // namespace

TEST(TekstLijst, KeepsLinesExactlyUnderTheirNumber)
{
    TempAdmin admin;
    const QStringList gast{"Jansen", "", "Straße 1\tachter", QString(400, QChar(0x20AC)), "laatste"};
    const int32_t a = Schrijf({2026, 0}, gast);
    const int32_t b = Schrijf({2026, 0}, {"tweede lijst"});
    EXPECT_NE(a, 0);
    EXPECT_NE(a, b);
    EXPECT_EQ(LeesTekstLijstFile("rsv_resgeg.tkt", {2026, a}), gast);
    EXPECT_EQ(LeesTekstLijstFile("rsv_resgeg.tkt", {2026, b}), QStringList{"tweede lijst"});
    EXPECT_TRUE(LeesTekstLijstFile("rsv_resgeg.tkt", {2026, 0}).isEmpty());

    // Rewriting keeps the number; the single file works the same way.
    EXPECT_EQ(Schrijf({2026, a}, {"kort"}), a);
    EXPECT_EQ(LeesTekstLijstFile("rsv_resgeg.tkt", {2026, a}), QStringList{"kort"});
    EXPECT_EQ(LeesTekstLijstFile("rsv_resgeg.tkt", {2026, b}), QStringList{"tweede lijst"});
    ASSERT_TRUE(RsvLock());
    const int32_t p = SchrijfTekstLijstFile("rsv_persoon.tkt", {0, 0}, {"persoon"});
    RsvUnlock();
    EXPECT_EQ(LeesTekstLijstFile("rsv_persoon.tkt", {0, p}), QStringList{"persoon"});
    EXPECT_TRUE(QFile::exists(admin.Pad("rsv_persoon.tkt")));
}

TEST(TekstLijst, LinesAreWrittenInWindows1252)
{
    TempAdmin admin;
    const int32_t nr = Schrijf({2026, 0}, {QString::fromUtf8(u8"€ 12,50")});
    RecordCacheImpl cache(sizeof(DOS_tkst_dsk_strukt), "rsv_resgeg.tkt", tfPerJaar, true, true);
    const auto* rcd = static_cast<const char*>(cache.Record(2026, nr));
    EXPECT_EQ(QByteArray(rcd + offsetof(DOS_tkst_dsk_strukt, tekst) + 2, 7), "\x80 12,50");
}

TEST(TekstLijst, ReusesFreedSpace)
{
    TempAdmin admin;
    const int32_t lang = Schrijf({2026, 0}, {QString(1000, 'x')});
    const int32_t blijft = Schrijf({2026, 0}, {"blijft"});
    const int32_t groot = AantalRecords();

    ASSERT_TRUE(RsvLock());
    LeegTekstLijstFile("rsv_resgeg.tkt", {2026, lang});
    RsvUnlock();
    Schrijf({2026, 0}, {QString(600, 'y')});
    Schrijf({2026, 0}, {"klein"});
    EXPECT_EQ(AantalRecords(), groot);

    // Shrinking a list frees its tail; an empty list frees all and gives 0.
    const int32_t lijst = Schrijf({2026, 0}, {QString(1000, 'z')});
    const int32_t metLijst = AantalRecords();
    EXPECT_EQ(Schrijf({2026, lijst}, {"a"}), lijst);
    EXPECT_EQ(Schrijf({2026, lijst}, {}), 0);
    Schrijf({2026, 0}, {QString(1000, 'w')});
    EXPECT_EQ(AantalRecords(), metLijst);
    EXPECT_EQ(LeesTekstLijstFile("rsv_resgeg.tkt", {2026, blijft}), QStringList{"blijft"});
}

TEST(TekstLijst, DamagedListsRaiseEBrRuntime)
{
    TempAdmin admin;
    const int32_t a = Schrijf({2026, 0}, {QString(300, 'x')});
    const int32_t b = Schrijf({2026, 0}, {"b"});
    EXPECT_THROW(LeesTekstLijstFile("rsv_resgeg.tkt", {2026, a + 1}), EBrRuntime);  // a middle record
    EXPECT_THROW(LeesTekstLijstFile("rsv_resgeg.tkt", {2026, 99}), EBrRuntime);

    // A chain that loops back on itself.
    ASSERT_TRUE(RsvLock());
    RecordCacheImpl cache(sizeof(DOS_tkst_dsk_strukt), "rsv_resgeg.tkt", tfPerJaar, false, false);
    DOS_tkst_dsk_strukt rec;
    std::memcpy(&rec, cache.Record(2026, b), sizeof rec);
    rec.volgende = b;
    cache.Store(2026, b, &rec);
    EXPECT_THROW(LeesTekstLijstFile(cache, {2026, b}), EBrRuntime);
    EXPECT_THROW(SchrijfTekstLijstFile(cache, {2026, b}, {"x"}), EBrRuntime);
    RsvAfbreken();

    QFile f(admin.Pad("2026/rsv_resgeg.tkt"));
    ASSERT_TRUE(f.resize(sizeof(DOS_tkst_dsk_strukt) * 2 + 10));
    EXPECT_THROW(LeesTekstLijstFile("rsv_resgeg.tkt", {2026, a}), EBrRuntime);
}

TEST(TekstLijst, WritingNeedsTheLock)
{
    TempAdmin admin;
    EXPECT_THROW(SchrijfTekstLijstFile("rsv_resgeg.tkt", {2026, 0}, {"x"}), EBrRuntime);
}
