// The board's load and paint on hotels of 300, 1000 and 7,400 rooms booked back
// to back for three years, against an indexed SQLite range query for the same
// lines. Each size gets its own administration, made when first measured.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <memory>

#include "bench/gedeeld/BenchAdmin.h"
#include "bench/gedeeld/LeesTeller.h"
#include "board/BordCellen.h"
#include "board/BordDatums.h"
#include "board/BordDeelLaden.h"
#include "board/BordLaden.h"
#include "board/BordTekenaar.h"
#include "host/base/AdminDir.h"

namespace {

const TDateTime kVan = EncodeDate(2025, 1, 1);
const TDateTime kTot = EncodeDate(2028, 1, 1);
const TDateTime kStart = bord::WeekBegin(EncodeDate(2026, 6, 17), true);

struct Hotel {
    QString map;
    std::vector<BenchVerblijf> verblijven;
};

// Where the generated hotels are kept: $RSV_BENCH_MAP keeps them between runs.
QString HotelsMap()
{
    static const QTemporaryDir tijdelijk;
    const QString gekozen = qEnvironmentVariable("RSV_BENCH_MAP");
    return gekozen.isEmpty() ? tijdelijk.path() : gekozen;
}

// The administration of `kamers` rooms, made the current one; generated once.
Hotel& HotelVan(int kamers)
{
    static std::map<int, std::unique_ptr<Hotel>> hotels;
    auto& hotel = hotels[kamers];
    if (!hotel) {
        hotel = std::make_unique<Hotel>();
        hotel->map = QStringLiteral("%1/bord-%2").arg(HotelsMap()).arg(kamers);
        hotel->verblijven = MaakVerblijven(kamers, kVan, kTot, 20260617);
        const QString klaar = hotel->map + QStringLiteral("/klaar");
        if (!QFile::exists(klaar)) {
            QDir(hotel->map).removeRecursively();
            QDir().mkpath(hotel->map);
            ZetAdminDir(hotel->map);
            SchrijfVerblijven(hotel->verblijven);
            QFile(klaar).open(QIODevice::WriteOnly);
        }
    }
    ZetAdminDir(hotel->map);
    return *hotel;
}

bord::BordToestand NieuwBord(int kKamers)
{
    HotelVan(kKamers);
    bord::BordToestand t;
    for (int k = 0; k < kKamers; ++k) {
        brlib::stKamer kamer;
        kamer.kamerNr = 101 + k;
        kamer.omschr = QStringLiteral("Kamer %1").arg(101 + k);
        t.kamers.push_back(kamer);
    }
    t.startDatum = kStart;
    t.isoWeek = true;
    return t;
}

void LoadItemsEnBuildCells(benchmark::State& state)
{
    bord::BordToestand t = NieuwBord(int(state.range(0)));
    const Telling telling;
    for (auto _ : state) {
        bord::LoadItems(t);
        bord::BuildCells(t);
        benchmark::DoNotOptimize(t.cellen.data());
    }
    telling.Sluit(state);
    state.counters["regels"] = static_cast<double>(t.items.size());
}

// A full-screen board of `kamers` rooms, scrolled to the top.
bord::BordGeometrie Scherm(int kamers)
{
    bord::BordGeometrie geometrie;
    geometrie.ZetRaster(kamers, 16);
    geometrie.ZetClientGrootte(1920, 1080);
    geometrie.PasDagKolommen();
    return geometrie;
}

void Teken(const bord::BordToestand& t, const bord::BordGeometrie& geometrie, QImage& beeld)
{
    static const bord::KleurTabel tabel;
    QPainter p(&beeld);
    bord::BordTekenaar(t, geometrie, tabel, kStart + 3).TekenGrid(p);
}

void TekenBord(benchmark::State& state)
{
    const int kKamers = int(state.range(0));
    bord::BordToestand t = NieuwBord(kKamers);
    bord::LoadItems(t);
    bord::BuildCells(t);
    bord::MarkeerSelectie(t, t.items[t.items.size() / 2].resSleutel);
    const bord::BordGeometrie geometrie = Scherm(kKamers);
    QImage beeld(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    const Telling telling;
    for (auto _ : state)
        Teken(t, geometrie, beeld);
    telling.Sluit(state);
}

// What opening the board costs until the user sees it: the lines of the shown
// rows, the cells and a full paint, while the rest is read on its thread.
// `alles` measures on until the rest is added and the cells are rebuilt.
void MeetOpenen(benchmark::State& state, bool alles)
{
    const int kKamers = int(state.range(0));
    bord::BordToestand t = NieuwBord(kKamers);
    const bord::BordGeometrie geometrie = Scherm(kKamers);
    const bord::RijBereik rijen{geometrie.TopRij() - 1, geometrie.LaatsteZichtbareRij()};
    QImage beeld(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    bord::DeelLader lader;
    const Telling telling;
    for (auto _ : state) {
        lader.Laad(t, rijen, {});
        bord::BuildCells(t);
        Teken(t, geometrie, beeld);
        if (!alles)
            state.PauseTiming();
        if (lader.Voltooi(t))
            bord::BuildCells(t);
        if (!alles)
            state.ResumeTiming();
    }
    telling.Sluit(state);
    state.counters["regels"] = static_cast<double>(t.items.size());
}

void BordEersteBeeld(benchmark::State& state) { MeetOpenen(state, false); }
void BordAllesGeladen(benchmark::State& state) { MeetOpenen(state, true); }

// The same window as the board's day chains: lines arriving from start - 49 up to start + 49.
class SqliteRegels {
public:
    SqliteRegels(const QString& pad, const std::vector<BenchVerblijf>& verblijven)
    {
        sqlite3_open(pad.toUtf8().constData(), &db_);
        Voer("CREATE TABLE regel(nr INTEGER PRIMARY KEY, res INTEGER, kamer INTEGER, begin INTEGER,"
             " eind INTEGER, soort INTEGER, incheck INTEGER)");
        Voer("BEGIN");
        sqlite3_stmt* in = nullptr;
        sqlite3_prepare_v2(db_, "INSERT INTO regel VALUES(?,?,?,?,?,?,?)", -1, &in, nullptr);
        int nr = 0;
        for (const BenchVerblijf& v : verblijven) {
            const int waarden[] = {++nr, nr, v.kamer, v.begin, v.eind, v.soort, v.ingecheckt ? nr : 0};
            for (int i = 0; i < 7; ++i)
                sqlite3_bind_int(in, i + 1, waarden[i]);
            sqlite3_step(in);
            sqlite3_reset(in);
        }
        sqlite3_finalize(in);
        Voer("COMMIT");
        Voer("CREATE INDEX regel_begin ON regel(begin)");
        sqlite3_prepare_v2(db_, "SELECT nr, res, kamer, begin, eind, soort, incheck FROM regel"
                                " WHERE begin >= ? AND begin < ?", -1, &vraag_, nullptr);
    }
    ~SqliteRegels()
    {
        sqlite3_finalize(vraag_);
        sqlite3_close(db_);
    }

    void Lees(int start, std::vector<brlib::stRes>& regels)
    {
        regels.clear();
        sqlite3_bind_int(vraag_, 1, start - bord::kLaadDagen);
        sqlite3_bind_int(vraag_, 2, start + bord::kLaadDagen);
        while (sqlite3_step(vraag_) == SQLITE_ROW) {
            brlib::stRes item;
            item.regelNr = sqlite3_column_int(vraag_, 0);
            item.resSleutel = JaarNr(2026, sqlite3_column_int(vraag_, 1));
            item.kamerNr = sqlite3_column_int(vraag_, 2);
            item.begin = sqlite3_column_int(vraag_, 3);
            item.eind = sqlite3_column_int(vraag_, 4);
            item.soort = sqlite3_column_int(vraag_, 5);
            item.inCheck.sleutel = JaarNr(2026, sqlite3_column_int(vraag_, 6));
            regels.push_back(std::move(item));
        }
        sqlite3_reset(vraag_);
    }

private:
    void Voer(const char* sql) { sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }

    sqlite3* db_ = nullptr;
    sqlite3_stmt* vraag_ = nullptr;
};

void SqliteBereik(benchmark::State& state)
{
    const QTemporaryDir plek;
    SqliteRegels db(plek.filePath(QStringLiteral("regels.db")), HotelVan(int(state.range(0))).verblijven);
    std::vector<brlib::stRes> regels;
    const Telling telling;
    for (auto _ : state) {
        db.Lees(static_cast<int>(kStart), regels);
        benchmark::DoNotOptimize(regels.data());
    }
    telling.Sluit(state);
    state.counters["regels"] = static_cast<double>(regels.size());
}

BENCHMARK(LoadItemsEnBuildCells)->Arg(300)->Arg(1000)->Arg(7400)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(TekenBord)->Arg(300)->Arg(1000)->Arg(7400)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BordEersteBeeld)->Arg(300)->Arg(1000)->Arg(7400)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BordAllesGeladen)->Arg(300)->Arg(1000)->Arg(7400)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(SqliteBereik)->Arg(300)->Arg(1000)->Arg(7400)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Teller();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
