// The readers give the forms and the board their lists: periods in begin order
// with their ends, rooms by number with their type, a type's rates in chain order.

#include <gtest/gtest.h>

#include "host/base/EBrRuntime.h"
#include "host/brlib/Inlezen.h"
#include "tests/host/brlib/BrlibTestData.h"
#include "tests/support/TempAdmin.h"

using namespace brlib;

TEST(Inlezen, PeriodsComeInBeginOrderEachEndingBeforeTheNext)
{
    TempAdmin admin;
    SchrijfPeriodes(2026, {Periode("Standaard", EncodeDate(2026, 1, 1)), Periode("Zomer", EncodeDate(2026, 7, 1)),
                           Periode("Voorjaar", EncodeDate(2026, 4, 1))});
    std::vector<stPeriode> lijst;
    InlezenPeriodes(2026, lijst);
    ASSERT_EQ(lijst.size(), 3u);
    EXPECT_EQ(lijst[0].omschr, QStringLiteral("Standaard"));
    EXPECT_EQ(lijst[0].eind, EncodeDate(2026, 3, 31));
    EXPECT_EQ(lijst[1].omschr, QStringLiteral("Voorjaar"));
    EXPECT_EQ(lijst[1].recNr, 3);
    EXPECT_EQ(lijst[1].eind, EncodeDate(2026, 6, 30));
    EXPECT_EQ(lijst[2].eind, EncodeDate(2026, 12, 31));

    InlezenPeriodes(2027, lijst);
    EXPECT_TRUE(lijst.empty());
}

TEST(Inlezen, ARemovedPeriodIsSkipped)
{
    TempAdmin admin;
    SchrijfPeriodes(2026, {Periode("Standaard", EncodeDate(2026, 1, 1)), Periode("Zomer", EncodeDate(2026, 7, 1))});
    {
        RsvActie actie;
        RecordCache<WIN_rsv_periode>(Bestanden::Periode, tfPerJaar, false, false).Store(2026, 2, WIN_rsv_periode{});
        actie.Commit();
    }
    std::vector<stPeriode> lijst;
    InlezenPeriodes(2026, lijst);
    ASSERT_EQ(lijst.size(), 1u);
    EXPECT_EQ(lijst[0].eind, EncodeDate(2026, 12, 31));
}

TEST(Inlezen, RoomsByNumberWithTheirTypeAndNoneForAVanishedType)
{
    TempAdmin admin;
    stKamerType dubbel;
    dubbel.code = QStringLiteral("DBL");
    dubbel.omschr = QStringLiteral("Tweepersoons");
    const int32_t typeNr = SchrijfAlle<WIN_rsv_kamertype>(Bestanden::KamerType, std::vector{dubbel})[0];

    std::vector<stKamer> kamers(3);
    kamers[0].kamerNr = 20;
    kamers[0].kamerType.recNr = typeNr;
    kamers[1].kamerNr = 3;
    kamers[1].kamerType.recNr = typeNr + 5;  // no such type
    kamers[2].kamerNr = 11;
    SchrijfAlle<WIN_rsv_kamer>(Bestanden::Kamer, kamers);

    std::vector<stKamer> lijst;
    InlezenKamers(lijst);
    ASSERT_EQ(lijst.size(), 3u);
    EXPECT_EQ(lijst[0].kamerNr, 3);
    EXPECT_EQ(lijst[0].kamerType.recNr, 0);
    EXPECT_EQ(lijst[1].kamerNr, 11);
    EXPECT_EQ(lijst[2].kamerType.code, QStringLiteral("DBL"));
    EXPECT_EQ(lijst[2].kamerType.omschr, QStringLiteral("Tweepersoons"));
}

TEST(Inlezen, TypeRatesInChainOrderPerYear)
{
    TempAdmin admin;
    const std::vector<stTarief> tarieven{{2, 1, 80.0}, {3, 1, 450.0}, {2, 2, 95.5}};
    SchrijfTariefKetting(2026, 4, tarieven);
    SchrijfTariefKetting(2026, 2, {{2, 1, 60.0}});

    stKamerType type;
    type.recNr = 4;
    InlezenKamerTypeTarieven(2026, type);
    EXPECT_EQ(type.tarieven, tarieven);
    InlezenKamerTypeTarieven(2027, type);
    EXPECT_TRUE(type.tarieven.empty());
}

TEST(Inlezen, AChainThatCirclesIsReportedNotWalkedForever)
{
    TempAdmin admin;
    SchrijfTariefKetting(2026, 1, {{2, 1, 80.0}, {2, 2, 90.0}});
    {
        RsvActie actie;
        RecordCache<WIN_rsv_tarief> tarief(Bestanden::Tarief, tfPerJaar, false, false);
        WIN_rsv_tarief laatste = tarief.Record(2026, 3);
        laatste.volgende = 2;  // back to the first
        tarief.Store(2026, 3, laatste);
        actie.Commit();
    }
    stKamerType type;
    type.recNr = 1;
    EXPECT_THROW(InlezenKamerTypeTarieven(2026, type), EBrRuntime);
}
