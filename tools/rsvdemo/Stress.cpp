#include "tools/rsvdemo/Stress.h"

#include <cstdio>
#include <memory>
#include <vector>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>

#include "host/base/AdminDir.h"
#include "host/base/EBrRuntime.h"
#include "host/base/HuidigeDatum.h"
#include "host/records/Locks.h"
#include "host/tillra/KassaControle.h"
#include "store/Integriteit.h"
#include "tools/rsvdemo/DemoHotel.h"
#include "tools/rsvdemo/StressWerkplek.h"

namespace {

struct StressOpties {
    QString map;
    int werkplekken = 4;
    int boekingen = 50;
    uint32_t zaad = 1;
    int voortgang = 0;  // a workstation reports after every this many bookings; 0: never
};

// DIR followed by "--name value" pairs; false on anything else.
bool LeesOpties(const QStringList& args, StressOpties& opties)
{
    if (args.isEmpty() || args.size() % 2 == 0)
        return false;
    opties.map = args[0];
    for (int i = 1; i + 1 < args.size(); i += 2) {
        bool ok = false;
        const int waarde = args[i + 1].toInt(&ok);
        if (!ok || waarde < 0)
            return false;
        if (args[i] == QLatin1String("--workstations"))
            opties.werkplekken = waarde;
        else if (args[i] == QLatin1String("--bookings"))
            opties.boekingen = waarde;
        else if (args[i] == QLatin1String("--seed"))
            opties.zaad = static_cast<uint32_t>(waarde);
        else if (args[i] == QLatin1String("--progress"))
            opties.voortgang = waarde;
        else
            return false;
    }
    return true;
}

int Gebruik()
{
    std::fprintf(stderr, "Gebruik: rsvdemo stress MAP --workstations N --bookings M --seed S [--progress K]\n");
    return 2;
}

// A new or empty directory first gets the demo hotel's master data.
bool ZorgVoorHotel(const QString& pad)
{
    QDir map(pad);
    const bool leeg = !map.exists() || map.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    if (!map.mkpath(QStringLiteral(".")))
        return false;
    ZetAdminDir(map.absolutePath());
    return !leeg || MaakDemoHotel(HuidigeDatum::Object().Jaar());
}

std::unique_ptr<QProcess> StartWerkplek(const StressOpties& o, int i)
{
    auto kind = std::make_unique<QProcess>();
    kind->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    kind->start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("stress-werkplek"), QDir(o.map).absolutePath(), QStringLiteral("--bookings"),
                 QString::number(o.boekingen), QStringLiteral("--seed"), QString::number(o.zaad * 1000u + i),
                 QStringLiteral("--progress"), QString::number(o.voortgang)});
    kind->waitForStarted();
    std::printf("werkplek %lld\n", static_cast<long long>(kind->processId()));
    std::fflush(stdout);
    return kind;
}

// Adds a finished child's counts; a killed child counts nothing.
void TelOp(QProcess& kind, StressTelling& totaal, int& afgebroken)
{
    kind.waitForFinished(-1);
    StressTelling t;
    if (kind.exitStatus() != QProcess::NormalExit ||
        std::sscanf(kind.readAllStandardOutput().constData(), "%d %d %d %d %d %d %d", &t.opgeslagen, &t.bezet,
                    &t.geenLock, &t.fouten, &t.gewijzigd, &t.ingecheckt, &t.uitgecheckt) != 7) {
        ++afgebroken;
        return;
    }
    totaal.opgeslagen += t.opgeslagen;
    totaal.bezet += t.bezet;
    totaal.geenLock += t.geenLock;
    totaal.fouten += t.fouten;
    totaal.gewijzigd += t.gewijzigd;
    totaal.ingecheckt += t.ingecheckt;
    totaal.uitgecheckt += t.uitgecheckt;
}

// A child killed mid-commit leaves a hot journal: taking the lock rolls it back.
bool HerstelAfgebroken()
{
    try {
        if (!brlib::RsvLock())
            return false;
        brlib::RsvUnlock();
        return true;
    } catch (const EBrRuntime& e) {
        std::fprintf(stderr, "rsvdemo: %s\n", e.Message().toLocal8Bit().constData());
        return false;
    }
}

}  // namespace

int StressRun(const QStringList& args)
{
    StressOpties o;
    if (!LeesOpties(args, o))
        return Gebruik();
    if (!ZorgVoorHotel(o.map))
        return 1;
    std::vector<std::unique_ptr<QProcess>> kinderen;
    for (int i = 0; i < o.werkplekken; ++i)
        kinderen.push_back(StartWerkplek(o, i));
    StressTelling totaal;
    int afgebroken = 0;
    for (auto& kind : kinderen)
        TelOp(*kind, totaal, afgebroken);
    const bool hersteld = HerstelAfgebroken();
    std::printf("opgeslagen %d, gewijzigd of geannuleerd %d, geweigerd %d (kamer bezet of tussentijds gewijzigd %d, "
                "geen vergrendeling %d), fouten %d, afgebroken %d, ingecheckt %d, uitgecheckt %d\n",
                totaal.opgeslagen, totaal.gewijzigd, totaal.bezet + totaal.geenLock, totaal.bezet, totaal.geenLock,
                totaal.fouten, afgebroken, totaal.ingecheckt, totaal.uitgecheckt);
    // Check-ins open till registrations: the till files must be whole as well.
    std::vector<Bevinding> bevindingen = ControleerAdministratie();
    for (const Bevinding& b : Tillra::ControleerKassaBestanden())
        bevindingen.push_back(b);
    for (const Bevinding& b : bevindingen)
        std::printf("%s\n", b.Regel().toLocal8Bit().constData());
    std::printf("%s\n", bevindingen.empty() && hersteld ? "OK" : "FOUT");
    return bevindingen.empty() && hersteld ? 0 : 1;
}

int StressWerkplekRun(const QStringList& args)
{
    StressOpties o;
    if (!LeesOpties(args, o))
        return Gebruik();
    ZetAdminDir(QDir(o.map).absolutePath());
    const long long pid = QCoreApplication::applicationPid();
    const StressTelling t = BoekWillekeurig(o.boekingen, o.zaad, [&](int gedaan) {
        if (o.voortgang > 0 && gedaan % o.voortgang == 0) {
            std::fprintf(stderr, "voortgang %lld %d\n", pid, gedaan);
            std::fflush(stderr);
        }
    });
    std::printf("%d %d %d %d %d %d %d\n", t.opgeslagen, t.bezet, t.geenLock, t.fouten, t.gewijzigd, t.ingecheckt,
                t.uitgecheckt);
    return 0;
}
