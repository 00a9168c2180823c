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
#include "tools/rsvdemo/StressProces.h"
#include "tools/rsvdemo/StressWerkplek.h"

namespace {

struct StressOpties {
    QString map;
    int werkplekken = 4;
    int boekingen = 50;
    uint32_t zaad = 1;
    int voortgang = 0;  // a workstation reports after every this many bookings; 0: never
};

bool LeesOpties(const QStringList& args, StressOpties& o)
{
    int zaad = 1;
    const bool goed = LeesGetallen(args, o.map,
                                   {{QStringLiteral("--workstations"), &o.werkplekken},
                                    {QStringLiteral("--bookings"), &o.boekingen},
                                    {QStringLiteral("--seed"), &zaad},
                                    {QStringLiteral("--progress"), &o.voortgang}});
    o.zaad = static_cast<uint32_t>(zaad);
    return goed;
}

int Gebruik()
{
    std::fprintf(stderr, "Gebruik: rsvdemo stress MAP --workstations N --bookings M --seed S [--progress K]\n");
    return 2;
}

// Adds a finished child's counts; a killed child counts nothing.
void TelOp(QProcess& kind, StressTelling& totaal, int& afgebroken)
{
    kind.waitForFinished(-1);
    StressTelling t;
    if (kind.exitStatus() != QProcess::NormalExit || !LeesTelling(kind.readAllStandardOutput(), t)) {
        ++afgebroken;
        return;
    }
    TelBij(t, totaal);
}

}  // namespace

bool ZorgVoorHotel(const QString& pad)
{
    QDir map(pad);
    const bool leeg = !map.exists() || map.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    if (!map.mkpath(QStringLiteral(".")))
        return false;
    ZetAdminDir(map.absolutePath());
    return !leeg || MaakDemoHotel(HuidigeDatum::Object().Jaar());
}

std::unique_ptr<QProcess> StartWerkplek(const QString& map, int boekingen, uint32_t zaad, int voortgang,
                                        QProcess::ProcessChannelMode kanalen)
{
    auto kind = std::make_unique<QProcess>();
    kind->setProcessChannelMode(kanalen);
    kind->start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("stress-werkplek"), QDir(map).absolutePath(), QStringLiteral("--bookings"),
                 QString::number(boekingen), QStringLiteral("--seed"), QString::number(zaad),
                 QStringLiteral("--progress"), QString::number(voortgang)});
    kind->waitForStarted();
    return kind;
}

bool LeesTelling(const QByteArray& tekst, StressTelling& t)
{
    return std::sscanf(tekst.constData(), "%d %d %d %d %d %d %d", &t.opgeslagen, &t.bezet, &t.geenLock, &t.fouten,
                       &t.gewijzigd, &t.ingecheckt, &t.uitgecheckt) == 7;
}

QByteArray TellingRegel(const StressTelling& t)
{
    return QByteArray::number(t.opgeslagen) + ' ' + QByteArray::number(t.bezet) + ' ' +
           QByteArray::number(t.geenLock) + ' ' + QByteArray::number(t.fouten) + ' ' +
           QByteArray::number(t.gewijzigd) + ' ' + QByteArray::number(t.ingecheckt) + ' ' +
           QByteArray::number(t.uitgecheckt);
}

void TelBij(const StressTelling& t, StressTelling& totaal)
{
    totaal.opgeslagen += t.opgeslagen;
    totaal.bezet += t.bezet;
    totaal.geenLock += t.geenLock;
    totaal.fouten += t.fouten;
    totaal.gewijzigd += t.gewijzigd;
    totaal.ingecheckt += t.ingecheckt;
    totaal.uitgecheckt += t.uitgecheckt;
}

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

int MeldBevindingen()
{
    // Check-ins open till registrations: the till files must be whole as well.
    std::vector<Bevinding> bevindingen = ControleerAdministratie();
    for (const Bevinding& b : Tillra::ControleerKassaBestanden())
        bevindingen.push_back(b);
    for (const Bevinding& b : bevindingen)
        std::printf("%s\n", b.Regel().toLocal8Bit().constData());
    return int(bevindingen.size());
}

bool LeesGetallen(const QStringList& args, QString& map, const std::map<QString, int*>& getallen)
{
    if (args.isEmpty() || args.size() % 2 == 0)
        return false;
    map = args[0];
    for (int i = 1; i + 1 < args.size(); i += 2) {
        bool ok = false;
        const int waarde = args[i + 1].toInt(&ok);
        const auto doel = getallen.find(args[i]);
        if (!ok || waarde < 0 || doel == getallen.end())
            return false;
        *doel->second = waarde;
    }
    return true;
}

int StressRun(const QStringList& args)
{
    StressOpties o;
    if (!LeesOpties(args, o))
        return Gebruik();
    if (!ZorgVoorHotel(o.map))
        return 1;
    std::vector<std::unique_ptr<QProcess>> kinderen;
    for (int i = 0; i < o.werkplekken; ++i) {
        kinderen.push_back(StartWerkplek(o.map, o.boekingen, o.zaad * 1000u + i, o.voortgang,
                                         QProcess::ForwardedErrorChannel));
        std::printf("werkplek %lld\n", static_cast<long long>(kinderen.back()->processId()));
        std::fflush(stdout);
    }
    StressTelling totaal;
    int afgebroken = 0;
    for (auto& kind : kinderen)
        TelOp(*kind, totaal, afgebroken);
    const bool hersteld = HerstelAfgebroken();
    std::printf("opgeslagen %d, gewijzigd of geannuleerd %d, geweigerd %d (kamer bezet of tussentijds gewijzigd %d, "
                "geen vergrendeling %d), fouten %d, afgebroken %d, ingecheckt %d, uitgecheckt %d\n",
                totaal.opgeslagen, totaal.gewijzigd, totaal.bezet + totaal.geenLock, totaal.bezet, totaal.geenLock,
                totaal.fouten, afgebroken, totaal.ingecheckt, totaal.uitgecheckt);
    const bool schoon = MeldBevindingen() == 0 && hersteld;
    std::printf("%s\n", schoon ? "OK" : "FOUT");
    return schoon ? 0 : 1;
}

int StressWerkplekRun(const QStringList& args)
{
    StressOpties o;
    if (!LeesOpties(args, o))
        return Gebruik();
    ZetAdminDir(QDir(o.map).absolutePath());
    const long long pid = QCoreApplication::applicationPid();
    const StressTelling t = BoekWillekeurig(o.boekingen, o.zaad, [&](int gedaan, const StressTelling& telling) {
        if (o.voortgang > 0 && gedaan % o.voortgang == 0) {
            std::fprintf(stderr, "voortgang %lld %d\ntelling %lld %s\n", pid, gedaan, pid,
                         TellingRegel(telling).constData());
            std::fflush(stderr);
        }
    });
    std::printf("%s\n", TellingRegel(t).constData());
    return 0;
}
