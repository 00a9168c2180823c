// rsvdemo builds its hotel through the write paths: the result must pass the
// integrity check, price a week with the week rate, and a second run must not
// touch the administration.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include "host/base/HuidigeDatum.h"
#include "host/brlib/HuidigTarief.h"
#include "host/brlib/Inlezen.h"
#include "host/records/Werkstation.h"

namespace {

QProcess* Start(const char* programma, const QString& map)
{
    auto* proces = new QProcess;
    // The programs are built beside the test.
    proces->start(QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(programma), {map});
    proces->waitForFinished(60000);
    return proces;
}

}  // namespace

TEST(RsvDemo, MakesACleanHotelWhoseWeekCostsTheWeekRateAndRefusesAFilledDirectory)
{
    QTemporaryDir tijdelijk;
    const QString map = tijdelijk.filePath(QStringLiteral("hotel"));
    std::unique_ptr<QProcess> demo(Start("rsvdemo", map));
    ASSERT_EQ(demo->exitCode(), 0) << demo->readAllStandardError().toStdString();
    std::unique_ptr<QProcess> controle(Start("rsvcheck", map));
    EXPECT_EQ(controle->readAllStandardOutput(), QByteArray("OK\n"));
    EXPECT_EQ(controle->exitCode(), 0);

    brlib::WerkstationScope scope(std::make_shared<brlib::Werkstation>(map));
    std::vector<brlib::stKamer> kamers;
    brlib::InlezenKamers(kamers);
    EXPECT_EQ(kamers.size(), 25u);
    const int jaar = HuidigeDatum::Object().Jaar();
    brlib::stKamerType type = kamers.front().kamerType;
    brlib::stResTarief regel;
    ASSERT_TRUE(brlib::MaakTariefMatrix(jaar + 1, regel.matrix));
    brlib::InlezenKamerTypeTarieven(jaar + 1, type);
    brlib::VulTariefMatrix(regel.matrix, type.tarieven);
    regel.begin = EncodeDate(jaar + 1, 3, 2);
    regel.eind = regel.begin + 7;
    ASSERT_TRUE(brlib::RsvBepaalHuidigTarief(regel));
    EXPECT_EQ(regel.tariefCode, QStringLiteral("Week"));

    std::unique_ptr<QProcess> nogmaals(Start("rsvdemo", map));
    EXPECT_EQ(nogmaals->exitCode(), 1);
    EXPECT_TRUE(nogmaals->readAllStandardError().contains("is niet leeg"));
    brlib::InlezenKamers(kamers);
    EXPECT_EQ(kamers.size(), 25u);
}
