// A small generated hotel must be a sound administration: the benchmarks
// measure whatever the generator writes, and broken chains would make them
// measure errors.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "bench/gedeeld/BenchAdmin.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvGroepHfd.h"
#include "store/WinRsvInCheck.h"
#include "store/WinRsvResHfd.h"
#include "tests/host/tillra/TillraTestHulp.h"
#include "tests/support/TempAdmin.h"

namespace {

// Twelve rooms over a turn of the year, so that stays cross from one year's files into the next.
std::vector<BenchVerblijf> KleinHotel()
{
    return MaakVerblijven(12, EncodeDate(2025, 11, 1), EncodeDate(2027, 2, 1), 7);
}

struct Inhoud {
    int groepen = 0;
    int groepsleden = 0;
    int metProducten = 0;
    int incheckRecords = 0;
};

Inhoud Tel(int32_t jaar)
{
    Inhoud inhoud;
    RecordCache<WIN_rsv_groep_hfd> groepen(Bestanden::GroepHfd, brlib::tfEenBestand, false, false);
    inhoud.groepen = groepen.RecordCount();
    RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, brlib::tfPerJaar, false, false);
    for (int32_t nr = 1; nr <= hfd.RecordCount(jaar); ++nr) {
        const WIN_rsv_res_hfd kop = hfd.Record(jaar, nr);
        inhoud.groepsleden += kop.groepNr > 0;
        inhoud.metProducten += kop.eersteProduct > 0;
    }
    RecordCache<WIN_rsv_incheck> inCheck(Bestanden::InCheck, brlib::tfPerJaar, false, false);
    inhoud.incheckRecords = inCheck.RecordCount(jaar);
    return inhoud;
}

QByteArray BestandenInhoud(const QString& map)
{
    QByteArray alles;
    const QStringList bestanden = QDir(map).entryList({QStringLiteral("rsv_*")}, QDir::Files, QDir::Name);
    for (const QString& naam : bestanden) {
        QFile f(map + QLatin1Char('/') + naam);
        f.open(QIODevice::ReadOnly);
        alles += naam.toUtf8() + '\n' + f.readAll();
    }
    return alles;
}

}  // namespace

TEST(Generator, SmallHotelPassesTheIntegrityChecksWithEveryKindOfRecord)
{
    const TempAdmin admin;
    SchrijfVerblijven(KleinHotel());
    EXPECT_EQ(Bevindingen(), "");
    // Without groups, products or check-ins the checks above would pass vacuously.
    for (int32_t jaar : {2025, 2026, 2027}) {
        const Inhoud inhoud = Tel(jaar);
        EXPECT_GT(inhoud.groepsleden, 0) << jaar;
        EXPECT_GT(inhoud.metProducten, 0) << jaar;
        EXPECT_GT(inhoud.incheckRecords, 0) << jaar;
    }
    EXPECT_GT(Tel(2026).groepen, 100);
}

TEST(Generator, SameSeedGivesTheSameFiles)
{
    const TempAdmin eerste;
    SchrijfVerblijven(KleinHotel());
    const QByteArray eersteInhoud = BestandenInhoud(eerste.Dir());
    const TempAdmin tweede;
    SchrijfVerblijven(KleinHotel());
    EXPECT_FALSE(eersteInhoud.isEmpty());
    EXPECT_EQ(BestandenInhoud(tweede.Dir()), eersteInhoud);
}
