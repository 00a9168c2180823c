#include "tools/rsvdemo/Soak.h"

#include <cstdio>
#include <random>
#include <vector>
#include <QElapsedTimer>

#include "host/records/Werkstation.h"
#include "tools/rsvdemo/StressProces.h"

namespace {

// The workstation is killed now and then; restarted, it goes on as a new process.
struct Werkplek {
    std::unique_ptr<QProcess> kind;
    StressTelling telling;  // of the killed processes before this one, plus its own at the end
    StressTelling lopend;   // the running process's last report
    int acties = 0;         // of the killed processes
    int lopendeActies = 0;
    int gedood = 0;
    qint64 laatsteTeken = 0;
    bool stil = false;      // reported once as standing still
    bool vanzelf = false;   // stopped by itself: a finding, not started again
};

struct SoakOpties {
    QString map;
    int werkplekken = 8;
    int seconden = 60;
    int zaad = 1;
};

// "voortgang PID N" and "telling PID <counts>" lines of a workstation.
void LeesVoortgang(Werkplek& w, qint64 nu)
{
    while (w.kind->canReadLine()) {
        const QByteArray regel = w.kind->readLine().trimmed();
        const QList<QByteArray> woorden = regel.split(' ');
        if (woorden.size() == 3 && woorden[0] == "voortgang") {
            w.lopendeActies = woorden[2].toInt();
            w.laatsteTeken = nu;
        } else if (woorden.size() == 9 && woorden[0] == "telling") {
            LeesTelling(regel.mid(regel.indexOf(' ', 8) + 1), w.lopend);
        } else {
            std::fprintf(stderr, "%s\n", regel.constData());
        }
    }
}

void Start(Werkplek& w, const SoakOpties& o, uint32_t zaad, qint64 nu)
{
    w.kind = StartWerkplek(o.map, 1 << 30, zaad, 1, QProcess::SeparateChannels);
    w.kind->setReadChannel(QProcess::StandardError);
    w.lopend = {};
    w.lopendeActies = 0;
    w.laatsteTeken = nu;
}

void Stop(Werkplek& w)
{
    if (w.kind->state() != QProcess::NotRunning) {
        w.kind->kill();
        w.kind->waitForFinished(-1);
    }
    TelBij(w.lopend, w.telling);
    w.acties += w.lopendeActies;
}

void Samenvatting(const std::vector<Werkplek>& werkplekken, int bevindingen)
{
    int acties = 0;
    int gedood = 0;
    for (size_t i = 0; i < werkplekken.size(); ++i) {
        const Werkplek& w = werkplekken[i];
        const StressTelling& t = w.telling;
        std::printf("werkplek %zu: %d acties (opgeslagen %d, gewijzigd of geannuleerd %d, ingecheckt %d, uitgecheckt %d, "
                    "geweigerd %d, geen vergrendeling %d, fouten %d), %d keer gedood\n",
                    i + 1, w.acties, t.opgeslagen, t.gewijzigd, t.ingecheckt, t.uitgecheckt, t.bezet, t.geenLock,
                    t.fouten, w.gedood);
        acties += w.acties;
        gedood += w.gedood;
    }
    std::printf("totaal: %d acties, %d keer gedood, %d bevindingen\n", acties, gedood, bevindingen);
}

// One round over the workstations: read their reports, note one that stands
// still or stopped by itself (it stays stopped), and kill one now and then
// (about once in two seconds each) to start it again.
int Ronde(std::vector<Werkplek>& werkplekken, const SoakOpties& o, std::mt19937& gen, const QElapsedTimer& klok,
          qint64 stap, uint32_t& volgendZaad)
{
    int bevindingen = 0;
    const qint64 grens = brlib::LockWachttijd() + 10000;
    for (size_t i = 0; i < werkplekken.size(); ++i) {
        Werkplek& w = werkplekken[i];
        if (w.vanzelf)
            continue;
        w.kind->waitForReadyRead(10);
        const qint64 nu = klok.elapsed();
        LeesVoortgang(w, nu);
        if (w.kind->state() == QProcess::NotRunning) {
            std::printf("werkplek %zu is vanzelf gestopt (status %d)\n", i + 1, w.kind->exitCode());
            ++bevindingen;
            Stop(w);
            w.vanzelf = true;
        } else if (nu - w.laatsteTeken > grens && !w.stil) {
            std::printf("werkplek %zu meldt al %lld ms niets: wacht langer dan de wachttijd\n", i + 1,
                        static_cast<long long>(nu - w.laatsteTeken));
            ++bevindingen;
            w.stil = true;
        } else if (w.lopendeActies > 0 && std::bernoulli_distribution(stap / 2000.0)(gen)) {
            Stop(w);
            ++w.gedood;
            Start(w, o, volgendZaad++, nu);
        }
    }
    return bevindingen;
}

}  // namespace

int SoakRun(const QStringList& args)
{
    SoakOpties o;
    if (!LeesGetallen(args, o.map,
                      {{QStringLiteral("--workstations"), &o.werkplekken},
                       {QStringLiteral("--seconds"), &o.seconden},
                       {QStringLiteral("--seed"), &o.zaad}}) ||
        o.werkplekken < 1) {
        std::fprintf(stderr, "Gebruik: rsvdemo soak MAP --workstations N --seconds S --seed S\n");
        return 2;
    }
    if (!ZorgVoorHotel(o.map))
        return 1;
    std::mt19937 gen(static_cast<uint32_t>(o.zaad));
    uint32_t volgendZaad = static_cast<uint32_t>(o.zaad) * 1000u;
    QElapsedTimer klok;
    klok.start();
    std::vector<Werkplek> werkplekken(o.werkplekken);
    for (Werkplek& w : werkplekken)
        Start(w, o, volgendZaad++, 0);
    int bevindingen = 0;
    for (qint64 vorige = 0; klok.elapsed() < o.seconden * 1000LL;) {
        const qint64 nu = klok.elapsed();
        bevindingen += Ronde(werkplekken, o, gen, klok, nu - vorige, volgendZaad);
        vorige = nu;
    }
    for (Werkplek& w : werkplekken)
        if (!w.vanzelf)
            Stop(w);
    bevindingen += HerstelAfgebroken() ? 0 : 1;
    bevindingen += MeldBevindingen();
    Samenvatting(werkplekken, bevindingen);
    std::printf("%s\n", bevindingen == 0 ? "OK" : "FOUT");
    return bevindingen == 0 ? 0 : 1;
}
