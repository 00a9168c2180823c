// The paths a day at the desk takes besides booking, on the generated hotel,
// against the same work in SQLite in the same run: the free check on disk, a
// cancellation, a check-in, a check-out and the cleaning list.
// The reading paths run on ten years of 300, 1000 or 7,400 rooms, kept between
// runs; the writing paths on fourteen months of 300 rooms generated afresh,
// each iteration on a reservation of its own.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <map>
#include <memory>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "bench/gedeeld/BenchAdmin.h"
#include "bench/gedeeld/LeesTeller.h"
#include "bench/paden/SqliteHotel.h"
#include "checkin/InCheckLijst.h"
#include "checkin/InCheckOpslag.h"
#include "checkin/InCheckToestand.h"
#include "host/base/AdminDir.h"
#include "host/brlib/KamerBezetting.h"
#include "host/ui/Messages.h"
#include "reports/RapportLijsten.h"
#include "reservation/ResAnnulering.h"
#include "store/Bestanden.h"

namespace {

const QString kTitel = QStringLiteral("Bench");
const TDateTime kDag = EncodeDate(2026, 6, 17);
constexpr int kVrijeKamer = 9999;  // a room no line holds: the check walks every chain
constexpr int kSchrijfKeer = 40;   // iterations of a write path, each on its own reservation

QTemporaryDir& SqliteMap()
{
    static QTemporaryDir map;
    return map;
}

// --- Ten years, read only ---------------------------------------------------

struct TienJaar {
    std::vector<BenchVerblijf> verblijven;
    std::unique_ptr<SqliteHotel> sqlite;
};

TienJaar& TienJaarVan(int kamers)
{
    static std::map<int, TienJaar> hotels;
    TienJaar& hotel = hotels[kamers];
    if (hotel.verblijven.empty())
        hotel.verblijven = MaakVerblijven(kamers, EncodeDate(2017, 1, 1), EncodeDate(2027, 1, 1), 20170101);
    OpenBenchHotel(QStringLiteral("paden-%1").arg(kamers), hotel.verblijven);
    return hotel;
}

SqliteHotel& SqliteTienJaar(int kamers)
{
    TienJaar& hotel = TienJaarVan(kamers);
    if (!hotel.sqlite)
        hotel.sqlite = std::make_unique<SqliteHotel>(SqliteMap().filePath(QStringLiteral("tienjaar-%1.db").arg(kamers)),
                                                     hotel.verblijven);
    return *hotel.sqlite;
}

brlib::stRes VrijeRegel()
{
    brlib::stRes regel;
    regel.kamerNr = kVrijeKamer;
    regel.begin = kDag;
    regel.eind = kDag + 3;
    return regel;
}

// As a booking does it under its lock: the caches opened, the chains walked from 49 days back.
void VrijeKamer(benchmark::State& state)
{
    TienJaarVan(int(state.range(0)));
    const Telling telling;
    for (auto _ : state) {
        RecordCache<WIN_rsv_res_rgl> regels(Bestanden::ResRgl, brlib::tfPerJaar, true, true);
        RecordCache<WIN_rsv_dagnr_rgl_pnt> dagen(Bestanden::DagRgl, brlib::tfPerJaar, true, true);
        if (!brlib::KamersVrij(regels, dagen, {VrijeRegel()}))
            state.SkipWithError("de vrije kamer is bezet");
    }
    telling.Sluit(state);
}

void SqliteVrijeKamer(benchmark::State& state)
{
    SqliteHotel& db = SqliteTienJaar(int(state.range(0)));
    for (auto _ : state)
        if (!db.Vrij(kVrijeKamer, int(kDag), int(kDag) + 3))
            state.SkipWithError("de vrije kamer is bezet");
}

void Schoonmaaklijst(benchmark::State& state)
{
    TienJaarVan(int(state.range(0)));
    size_t kamers = 0;
    const Telling telling;
    for (auto _ : state)
        kamers = rapport::SchoonmaakLijst(kDag).size();
    telling.Sluit(state);
    state.counters["kamers"] = double(kamers);
}

void SqliteSchoonmaaklijst(benchmark::State& state)
{
    SqliteHotel& db = SqliteTienJaar(int(state.range(0)));
    size_t kamers = 0;
    for (auto _ : state)
        kamers = db.SchoonmaakLijst(int(kDag)).size();
    state.counters["kamers"] = double(kamers);
}

// --- Fourteen months, written to ----------------------------------------------

struct SchrijfHotel {
    QTemporaryDir map;
    std::vector<BenchVerblijf> verblijven;
    std::vector<JaarNr> sleutels;  // of every stay, as the generator numbers them per year
    std::unique_ptr<SqliteHotel> sqlite;
};

SchrijfHotel& Schrijfbaar()
{
    static SchrijfHotel hotel = [] {
        SchrijfHotel h;
        h.verblijven = MaakVerblijven(300, EncodeDate(2025, 12, 1), EncodeDate(2027, 1, 31), 20261207);
        std::map<int, int32_t> nummers;
        for (const BenchVerblijf& v : h.verblijven) {
            const int jaar = Jaar(v.begin);
            h.sleutels.emplace_back(jaar, ++nummers[jaar]);
        }
        return h;
    }();
    if (!hotel.sqlite) {
        ZetAdminDir(hotel.map.path());
        SchrijfVerblijven(hotel.verblijven);
        hotel.sqlite = std::make_unique<SqliteHotel>(SqliteMap().filePath(QStringLiteral("schrijf.db")), hotel.verblijven);
        // Written back before measuring: else the first syncs wait for the whole hotel.
        sync();
    }
    ZetAdminDir(hotel.map.path());
    return hotel;
}

// The stays a write path takes, one per iteration: real reservations from
// `vanaf` on, checked in or not. Each path starts on a day of its own, so that
// no two take the same reservation; ours and SQLite's take the same ones.
class Kandidaten {
public:
    Kandidaten(TDateTime vanaf, bool ingecheckt) : vanaf_(vanaf), ingecheckt_(ingecheckt) {}

    // The index of the next stay, -1 when none is left.
    int Volgende()
    {
        const auto& v = Schrijfbaar().verblijven;
        for (; i_ < v.size(); ++i_)
            if (v[i_].begin >= vanaf_ && v[i_].soort == 0 && v[i_].ingecheckt == ingecheckt_)
                return int(i_++);
        return -1;
    }

private:
    TDateTime vanaf_;
    bool ingecheckt_;
    size_t i_ = 0;
};

// Runs `doe` on the next candidate of `welke`; the reading done before (the
// form had the reservation loaded) is not timed.
template <class Lees, class Doe>
void OpElkeKandidaat(benchmark::State& state, Kandidaten& welke, Lees lees, Doe doe)
{
    SchrijfHotel& hotel = Schrijfbaar();
    const Telling telling;
    for (auto _ : state) {
        state.PauseTiming();
        const int i = welke.Volgende();
        if (i < 0) {
            state.SkipWithError("geen reservering meer over");
            break;
        }
        auto gelezen = lees(hotel.sleutels[i]);
        state.ResumeTiming();
        if (!doe(gelezen, i))
            state.SkipWithError("niet opgeslagen");
    }
    telling.Sluit(state);
}

// The check-in list's reservation, as the form has it loaded.
std::shared_ptr<incheck::InCheckLijst> Lijst(const JaarNr& sleutel)
{
    auto lijst = std::make_shared<incheck::InCheckLijst>(kTitel, nullptr);
    lijst->LeesReservering(sleutel);
    return lijst;
}

void Annulering(benchmark::State& state)
{
    static Kandidaten welke(EncodeDate(2026, 3, 1), false);
    OpElkeKandidaat(
        state, welke, [](const JaarNr& s) { return std::make_pair(s, Lijst(s)->Reservering().wijzigTeller); },
        [](const std::pair<JaarNr, int32_t>& res, int) {
            return AnnuleerReservering(res.first, res.second, kTitel) == ActieUitkomst::Gedaan;
        });
}

void SqliteAnnulering(benchmark::State& state)
{
    static Kandidaten welke(EncodeDate(2026, 3, 1), false);
    OpElkeKandidaat(state, welke, [](const JaarNr&) { return 0; },
                    [](int, int i) { return Schrijfbaar().sqlite->Annuleer(i + 1), true; });
}

void InChecken(benchmark::State& state)
{
    static Kandidaten welke(kDag, false);
    OpElkeKandidaat(state, welke, Lijst, [](const std::shared_ptr<incheck::InCheckLijst>& lijst, int) {
        brlib::stPersoon gast;
        gast.waarden = {QStringLiteral("Smit"), QStringLiteral("Anna")};
        return incheck::InCheckOpslaan(lijst->Reservering(), {0, {gast}, false}) ==
               incheck::InCheckUitkomst::Opgeslagen;
    });
}

void SqliteInChecken(benchmark::State& state)
{
    static Kandidaten welke(kDag, false);
    OpElkeKandidaat(state, welke, [](const JaarNr&) { return 0; },
                    [](int, int i) { return Schrijfbaar().sqlite->CheckIn(i + 1, kDag + 0.6), true; });
}

// Through the check-in list's button (its question answered yes), which reads
// the reservation again afterwards to show it.
void UitChecken(benchmark::State& state)
{
    static Kandidaten welke(EncodeDate(2026, 1, 1), true);
    OpElkeKandidaat(state, welke, Lijst, [](const std::shared_ptr<incheck::InCheckLijst>& lijst, int) {
        lijst->KamerUitchecken(0);
        return incheck::IsUitgecheckt(lijst->Reservering().kamerRegels.at(0));
    });
}

void SqliteUitChecken(benchmark::State& state)
{
    static Kandidaten welke(EncodeDate(2026, 1, 1), true);
    OpElkeKandidaat(state, welke, [](const JaarNr&) { return 0; },
                    [](int, int i) { return Schrijfbaar().sqlite->CheckUit(i + 1, kDag + 0.4), true; });
}

void Lezend(benchmark::internal::Benchmark* b)
{
    b->Arg(300)->Arg(1000)->Arg(7400)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
}

void Schrijvend(benchmark::internal::Benchmark* b)
{
    b->Iterations(kSchrijfKeer)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
}

BENCHMARK(VrijeKamer)->Apply(Lezend);
BENCHMARK(SqliteVrijeKamer)->Apply(Lezend);
BENCHMARK(Schoonmaaklijst)->Apply(Lezend);
BENCHMARK(SqliteSchoonmaaklijst)->Apply(Lezend);
BENCHMARK(Annulering)->Apply(Schrijvend);
BENCHMARK(SqliteAnnulering)->Apply(Schrijvend);
BENCHMARK(InChecken)->Apply(Schrijvend);
BENCHMARK(SqliteInChecken)->Apply(Schrijvend);
BENCHMARK(UitChecken)->Apply(Schrijvend);
BENCHMARK(SqliteUitChecken)->Apply(Schrijvend);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Teller();
    // The check-in list asks before it checks out: yes.
    const MsgResponderScope ja([](const MsgRequest&) { return msg::idYes; });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
