// Booking on a dense administration: the median time of one registration (lock,
// check on disk, writes, durable commit) of one room and of a group of five,
// the throughput of four processes booking at once, and the same check and
// insert in SQLite measured in the same run.
//
// registratie_bench --werkplek DIR FIRST COUNT is one of the four processes.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "bench/gedeeld/LeesTeller.h"
#include "bench/registratie/BenchAdmin.h"
#include "bench/registratie/SqliteBoeken.h"
#include "board/PeriodeWijziging.h"
#include "board/Verplaatsing.h"
#include "host/base/AdminDir.h"
#include "host/records/RecordCacheImpl.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResHfd.h"

namespace {

constexpr int kEersteJaar = 2025;
constexpr int kGroepBlok = 5;
constexpr int kEnkeleKamers = 200;  // free rooms 0..199 for single bookings; then blocks of five for groups
constexpr int kGroepBlokken = 40;
constexpr int kNachten = 3;
const TDateTime kVanaf = EncodeDate(kEersteJaar + 1, 1, 5);

struct Omgeving {
    QTemporaryDir map{QDir::tempPath() + QStringLiteral("/rsvbench-XXXXXX")};
    std::unique_ptr<SqliteBoeken> sqlite;
    int enkel = 0;  // bookings made so far, to give each a free slot
    int groep = 0;
    int proces = 0;
};

Omgeving& Admin()
{
    static Omgeving* omgeving = [] {
        auto* o = new Omgeving;
        ZetAdminDir(o->map.path());
        const std::vector<Verblijf> verblijven = DrukkeVerblijven(kEersteJaar, 3);
        if (!BoekVerblijven(verblijven))
            std::fprintf(stderr, "De administratie kon niet worden gevuld.\n");
        o->sqlite = std::make_unique<SqliteBoeken>(o->map.filePath(QStringLiteral("vergelijk.sqlite")));
        o->sqlite->Vul(verblijven);
        return o;
    }();
    return *omgeving;
}

// Slot n of `kamers` rooms per slot: the room offset and the begin date.
std::pair<int, TDateTime> Plek(int n, int eersteKamer, int plekken, int kamers)
{
    return {eersteKamer + (n % plekken) * kamers, kVanaf + (kNachten + 1) * (n / plekken)};
}

void Mediaan(benchmark::State& state, std::vector<double>& ms)
{
    std::sort(ms.begin(), ms.end());
    state.counters["mediaan_ms"] = ms.empty() ? 0 : ms[ms.size() / 2];
}

// Times `doe` on what an untimed `voor` made ready, once per iteration.
template <class Voor, class Doe>
void MeetNa(benchmark::State& state, Voor voor, Doe doe)
{
    std::vector<double> ms;
    const Telling telling;
    for (auto _ : state) {
        const auto klaar = voor();
        const auto t0 = std::chrono::steady_clock::now();
        if (!doe(klaar))
            state.SkipWithError("geweigerd");
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    Mediaan(state, ms);
    telling.Sluit(state);
}

template <class Boek>
void MeetBoekingen(benchmark::State& state, Boek boek)
{
    MeetNa(state, [] { return 0; }, [&](int) { return boek(); });
}

void BM_EenKamer(benchmark::State& state)
{
    Omgeving& o = Admin();
    MeetBoekingen(state, [&] {
        const auto [kamer, begin] = Plek(o.enkel++, 0, kEnkeleKamers, 1);
        return !BoekVrij(kamer, 1, begin, kNachten).empty();
    });
}

void BM_GroepVijfKamers(benchmark::State& state)
{
    Omgeving& o = Admin();
    MeetBoekingen(state, [&] {
        const auto [kamer, begin] = Plek(o.groep++, kEnkeleKamers, kGroepBlokken, kGroepBlok);
        return !BoekVrij(kamer, kGroepBlok, begin, kNachten).empty();
    });
}

void BM_SqliteEenKamer(benchmark::State& state)
{
    Omgeving& o = Admin();
    MeetBoekingen(state, [&] {
        const auto [kamer, begin] = Plek(o.enkel++, 0, kEnkeleKamers, 1);
        return o.sqlite->Boek(kamer, 1, begin, kNachten);
    });
}

void BM_SqliteGroepVijfKamers(benchmark::State& state)
{
    Omgeving& o = Admin();
    MeetBoekingen(state, [&] {
        const auto [kamer, begin] = Plek(o.groep++, kEnkeleKamers, kGroepBlokken, kGroepBlok);
        return o.sqlite->Boek(kamer, kGroepBlok, begin, kNachten);
    });
}

// A one-room booking made before the timed change: its reservation (SQLite's
// row key, or JaarNr(0, 0) when refused), room offset and begin.
template <class Sleutel>
struct Geboekt {
    Sleutel res;
    int kamer;
    TDateTime begin;
};

Geboekt<JaarNr> Vooraf(Omgeving& o)
{
    const auto [kamer, begin] = Plek(o.enkel++, 0, kEnkeleKamers, 1);
    const std::vector<JaarNr> res = BoekVrij(kamer, 1, begin, kNachten);
    return {res.empty() ? JaarNr() : res.front(), kamer, begin};
}

Geboekt<int64_t> SqliteVooraf(Omgeving& o)
{
    const auto [kamer, begin] = Plek(o.enkel++, 0, kEnkeleKamers, 1);
    o.sqlite->Boek(kamer, 1, begin, kNachten);
    return {o.sqlite->LaatsteKop(), kamer, begin};
}

// A booking made untimed, then its end date one night earlier: the header and
// its line rewritten in one action (the board's period change).
void BM_EindDatum(benchmark::State& state)
{
    Omgeving& o = Admin();
    MeetNa(
        state,
        [&] { return Vooraf(o); },
        [](const Geboekt<JaarNr>& g) {
            return !g.res.IsLeeg()
                   && bord::RegistreerPeriodeWijziging({g.res, g.begin, g.begin + kNachten - 1}, QStringLiteral("Bench"))
                          == bord::Afloop::Opgeslagen;
        });
}

void BM_SqliteEindDatum(benchmark::State& state)
{
    Omgeving& o = Admin();
    MeetNa(
        state,
        [&] { return SqliteVooraf(o); },
        [&](const Geboekt<int64_t>& g) {
            o.sqlite->WijzigEind(g.res, g.begin + kNachten - 1);
            return true;
        });
}

constexpr int kVerplaatsNaar = 5000;  // a booked room n moves to room n + this, free on the same days

// A booking made untimed, then its line moved whole to a free room: the check
// of the new room on disk and the line rewritten in one action.
void BM_Verplaatsing(benchmark::State& state)
{
    Omgeving& o = Admin();
    MeetNa(
        state,
        [&] {
            const Geboekt<JaarNr> g = Vooraf(o);
            bord::Verplaatsing v;
            if (g.res.IsLeeg())
                return v;
            RecordCache<WIN_rsv_res_hfd> koppen(Bestanden::ResHfd, brlib::tfPerJaar, true, true);
            v.reservering = g.res;
            v.regelNr = koppen.Record(g.res).eersteRegel;
            v.begin = g.begin;
            v.eind = g.begin + kNachten;
            v.bronKamer = kEersteVrijeKamer + g.kamer;
            v.nieuweKamer = v.bronKamer + kVerplaatsNaar;
            return v;
        },
        [](const bord::Verplaatsing& v) {
            return v.regelNr != 0 && bord::RegistreerVerplaatsing(v, QStringLiteral("Bench")) == bord::Afloop::Opgeslagen;
        });
}

void BM_SqliteVerplaatsing(benchmark::State& state)
{
    Omgeving& o = Admin();
    MeetNa(
        state,
        [&] { return SqliteVooraf(o); },
        [&](const Geboekt<int64_t>& g) {
            return o.sqlite->Verplaats(g.res, g.kamer + kVerplaatsNaar, g.begin, g.begin + kNachten);
        });
}

// Four processes, each on its own free rooms, book `per` rooms one by one.
void BM_VierProcessen(benchmark::State& state)
{
    Omgeving& o = Admin();
    const int per = static_cast<int>(state.range(0));
    for (auto _ : state) {
        std::vector<std::unique_ptr<QProcess>> processen;
        for (int p = 0; p < 4; ++p) {
            auto proces = std::make_unique<QProcess>();
            const int eerste = kEnkeleKamers + kGroepBlokken * kGroepBlok + 100 * (o.proces++);
            proces->start(QCoreApplication::applicationFilePath(),
                          {QStringLiteral("--werkplek"), o.map.path(), QString::number(eerste), QString::number(per)});
            processen.push_back(std::move(proces));
        }
        for (auto& proces : processen)
            if (!proces->waitForFinished(-1) || proces->exitCode() != 0)
                state.SkipWithError("een proces kon niet alles boeken");
    }
    state.counters["boekingen_per_s"] =
        benchmark::Counter(double(state.iterations()) * 4 * per, benchmark::Counter::kIsRate);
}

int Werkplek(const QStringList& args)
{
    ZetAdminDir(args[2]);
    const int eerste = args[3].toInt();
    for (int i = 0; i < args[4].toInt(); ++i)
        if (BoekVrij(eerste + i % 100, 1, kVanaf + (kNachten + 1) * (i / 100), kNachten).empty())
            return 1;
    return 0;
}

}  // namespace

BENCHMARK(BM_EenKamer)->Iterations(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroepVijfKamers)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VierProcessen)->Arg(100)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SqliteEenKamer)->Iterations(300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteGroepVijfKamers)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EindDatum)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteEindDatum)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Verplaatsing)->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SqliteVerplaatsing)->Iterations(100)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Teller();
    if (argc == 5 && QByteArray(argv[1]) == "--werkplek")
        return Werkplek(app.arguments());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
