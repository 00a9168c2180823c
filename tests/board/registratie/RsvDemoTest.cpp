// The demo's bookings and the stress run, as separate processes on a real
// administration: what they leave must pass the integrity check, also after
// workstations are killed in the middle of a booking.

#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "host/base/HuidigeDatum.h"
#include "host/records/Werkstation.h"
#include "host/ui/ModalShow.h"
#include "host/ui/TGridView.h"
#include "reservation/Rsvresgegunit.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvGroepHfd.h"
#include "store/WinRsvInCheck.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvVoorReg.h"
#include "tests/support/ProgrammaMap.h"
#include "tests/support/Schermafdruk.h"
#include "tests/support/TempWerkplek.h"

namespace {

std::unique_ptr<QProcess> Start(const char* programma, const QStringList& args)
{
    auto proces = std::make_unique<QProcess>();
    proces->start(ProgrammaMap() + QLatin1Char('/') + QLatin1String(programma), args);
    return proces;
}

std::unique_ptr<QProcess> Draai(const char* programma, const QStringList& args)
{
    auto proces = Start(programma, args);
    proces->waitForFinished(180000);
    return proces;
}

QStringList Stress(const QString& map, int werkplekken, int boekingen, int zaad)
{
    return {QStringLiteral("stress"), map, QStringLiteral("--workstations"), QString::number(werkplekken),
            QStringLiteral("--bookings"), QString::number(boekingen), QStringLiteral("--seed"), QString::number(zaad)};
}

void VerwachtSchoon(const QString& map)
{
    auto controle = Draai("rsvcheck", {map});
    EXPECT_EQ(controle->readAllStandardOutput(), QByteArray("OK\n"));
    EXPECT_EQ(controle->exitCode(), 0);
}

}  // namespace

TEST(RsvDemoBoekingen, TheDemoBooksEveryKindOfBarAroundToday)
{
    QTemporaryDir tijdelijk;
    const QString map = tijdelijk.filePath(QStringLiteral("hotel"));
    auto demo = Draai("rsvdemo", {map});
    ASSERT_EQ(demo->exitCode(), 0) << demo->readAllStandardError().toStdString();
    VerwachtSchoon(map);

    brlib::WerkstationScope scope(std::make_shared<brlib::Werkstation>(map));
    const int jaar = Jaar(HuidigeDatum::Object().Huidige() - 10);
    RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, brlib::tfPerJaar, true, true);
    int soorten[3] = {};
    int statussen[3] = {};
    int voorRegs = 0;
    for (int32_t j = jaar; j <= jaar + 1; ++j)
        hfd.Scan(j, 1, [&](int32_t, int32_t, const WIN_rsv_res_hfd& kop) {
            ++soorten[std::min<int>(kop.soort, 2)];
            ++statussen[std::min<int>(kop.status, 2)];
            voorRegs += kop.eersteVoorReg != 0;
            return true;
        });
    EXPECT_GT(soorten[0], 5);
    EXPECT_GE(soorten[1], 2);   // options
    EXPECT_GE(soorten[2], 1);   // a blockade
    EXPECT_GE(statussen[1], 2); // checked in
    EXPECT_GE(statussen[2], 1); // checked out
    EXPECT_EQ(voorRegs, 1);
    RecordCache<WIN_rsv_groep_hfd> groep(Bestanden::GroepHfd, brlib::tfEenBestand, true, true);
    EXPECT_EQ(groep.RecordCount(), 1);
}

TEST(RsvDemoStress, ConcurrentWorkstationsNeverBookARoomTwiceEvenWhenKilledMidway)
{
    QTemporaryDir tijdelijk;
    const QString map = tijdelijk.filePath(QStringLiteral("stress"));
    auto eerste = Draai("rsvdemo", Stress(map, 3, 20, 7));
    const QByteArray uitvoer = eerste->readAllStandardOutput();
    ASSERT_EQ(eerste->exitCode(), 0) << uitvoer.toStdString() << eerste->readAllStandardError().toStdString();
    EXPECT_TRUE(uitvoer.contains("afgebroken 0")) << uitvoer.toStdString() << eerste->readAllStandardError().toStdString();
    EXPECT_FALSE(uitvoer.contains("opgeslagen 0,")) << uitvoer.toStdString();
    EXPECT_FALSE(uitvoer.contains("ingecheckt 0,")) << "the workstations check rooms in and out as well";
    EXPECT_FALSE(uitvoer.contains("gewijzigd of geannuleerd 0,")) << uitvoer.toStdString();
    EXPECT_TRUE(uitvoer.endsWith("OK\n")) << uitvoer.toStdString();

    // Kill each workstation after a random number of its bookings, taken
    // from its own progress reports, so that it is still booking when it dies
    // however fast the machine is: it has thousands left to try.
    auto stress = Start("rsvdemo", Stress(map, 3, 20000, 8) << QStringLiteral("--progress") << QStringLiteral("1"));
    stress->setReadChannel(QProcess::StandardError);
    std::mt19937 gen(8);
    std::map<qint64, int> doodNa;
    std::set<qint64> gedood;
    while (gedood.size() < 3 && stress->waitForReadyRead(30000))
        while (stress->canReadLine()) {
            const QList<QByteArray> woorden = stress->readLine().trimmed().split(' ');
            if (woorden.size() != 3 || woorden[0] != "voortgang")
                continue;
            const qint64 pid = woorden[1].toLongLong();
            const int drempel = doodNa.try_emplace(pid, std::uniform_int_distribution<int>(1, 40)(gen)).first->second;
            if (woorden[2].toInt() >= drempel && gedood.insert(pid).second)
                ::kill(static_cast<pid_t>(pid), SIGKILL);
        }
    ASSERT_EQ(gedood.size(), 3u);
    ASSERT_TRUE(stress->waitForFinished(180000));
    const QByteArray naKill = stress->readAllStandardOutput();
    EXPECT_EQ(stress->exitCode(), 0) << naKill.toStdString();
    EXPECT_TRUE(naKill.contains("afgebroken 3")) << naKill.toStdString();
    VerwachtSchoon(map);

    auto weer = Draai("rsvdemo", Stress(map, 2, 10, 9));
    EXPECT_EQ(weer->exitCode(), 0) << weer->readAllStandardOutput().toStdString();
    VerwachtSchoon(map);
}

// A few seconds of the soak: workstations killed and started again at random
// leave no overlap and no finding, and each one's work is summed up.
TEST(RsvDemoStress, AShortSoakWithKilledWorkstationsEndsClean)
{
    QTemporaryDir tijdelijk;
    const QString map = tijdelijk.filePath(QStringLiteral("soak"));
    auto soak = Draai("rsvdemo", {QStringLiteral("soak"), map, QStringLiteral("--workstations"), QStringLiteral("3"),
                                  QStringLiteral("--seconds"), QStringLiteral("4"), QStringLiteral("--seed"),
                                  QStringLiteral("5")});
    const QByteArray uitvoer = soak->readAllStandardOutput();
    EXPECT_EQ(soak->exitCode(), 0) << uitvoer.toStdString() << soak->readAllStandardError().toStdString();
    EXPECT_TRUE(uitvoer.contains("werkplek 3: ")) << uitvoer.toStdString();
    EXPECT_TRUE(uitvoer.contains(", 0 bevindingen\nOK\n")) << uitvoer.toStdString();
    VerwachtSchoon(map);
}

TEST(RsvDemoStress, ASoakOnADamagedAdministrationReportsTheFindingAndFails)
{
    QTemporaryDir tijdelijk;
    const QString map = tijdelijk.filePath(QStringLiteral("soak"));
    ASSERT_EQ(Draai("rsvdemo", {map})->exitCode(), 0);
    QFile dagen(map + QStringLiteral("/%1/rsv_dagrgl.pnt").arg(HuidigeDatum::Object().Jaar()));
    ASSERT_TRUE(dagen.open(QIODevice::ReadWrite));
    dagen.seek(dagen.size() / 2);
    dagen.write(QByteArray(64, '\x7f'));
    dagen.close();

    auto soak = Draai("rsvdemo", {QStringLiteral("soak"), map, QStringLiteral("--workstations"), QStringLiteral("1"),
                                  QStringLiteral("--seconds"), QStringLiteral("1"), QStringLiteral("--seed"),
                                  QStringLiteral("1")});
    const QByteArray uitvoer = soak->readAllStandardOutput();
    EXPECT_EQ(soak->exitCode(), 1) << uitvoer.toStdString();
    EXPECT_TRUE(uitvoer.endsWith("FOUT\n")) << uitvoer.toStdString();
}

// The demo's family booking is made on a relation card and names a guest for
// its first room: its details show both, and its booked products. With
// RSV_SCHERMAFDRUK=<dir> set, the form is saved in view and in edit mode and
// on its products page as <dir>/RsvResGeg-demo-*.png.
TEST(RsvDemoBoekingen, ABookingOnARelationCardShowsTheCardsNumberAndRows)
{
    QTemporaryDir tijdelijk;
    const QString map = tijdelijk.filePath(QStringLiteral("hotel"));
    ASSERT_EQ(Draai("rsvdemo", {map})->exitCode(), 0);
    brlib::WerkstationScope scope(std::make_shared<brlib::Werkstation>(map));
    TempWerkplek werkplek;
    JaarNr familie;
    RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, brlib::tfPerJaar, true, true);
    for (int32_t j = Jaar(HuidigeDatum::Object().Huidige()); j <= Jaar(HuidigeDatum::Object().Huidige() + 20); ++j)
        hfd.Scan(j, 1, [&](int32_t jaar, int32_t nr, const WIN_rsv_res_hfd& kop) {
            if (kop.eersteVoorReg != 0 && kop.relatieNr > 0)
                familie = JaarNr(jaar, nr);
            return familie.IsLeeg();
        });
    ASSERT_FALSE(familie.IsLeeg());

    TfrmRsvResGeg dlg(nullptr, nullptr, false);
    dlg.ZetReservering(familie);
    ModalResponderScope toon([&](TForm& form) {
        form.show();
        EXPECT_EQ(dlg.flblRelNr->text(), "10005");
        EXPECT_EQ(dlg.gvGrid->GetCells(dlg.gvGrid->GetKolomNummer("data"), 0), "Hendriks");
        EXPECT_EQ(dlg.gvGrid->GetCells(dlg.gvGrid->GetKolomNummer("data"), 1), "Lisa");
        Schermafdruk(dlg, "RsvResGeg-demo-raadplegen");
        dlg.btnEdit->click();
        dlg.btnVoorReg->click();
        EXPECT_EQ(dlg.gvGrid->GetCells(dlg.gvGrid->GetKolomNummer("data"), 1), "Tim");
        Schermafdruk(dlg, "RsvResGeg-demo-wijzigen");
        dlg.pgMain->setCurrentWidget(dlg.tbArtikel);
        EXPECT_EQ(dlg.gvArt->RijAantal(), 4);
        Schermafdruk(dlg, "RsvResGeg-demo-producten");
        return mrCancel;
    });
    ShowModal(dlg);
}
