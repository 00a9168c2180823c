// The management overview's year view of a fully booked hotel of 300 rooms,
// counted by the overview's own aggregation from the record files, against the
// same counts from an indexed SQLite table in the same run.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "bench/gedeeld/BenchAdmin.h"
#include "reports/Bezetting.h"

namespace {

constexpr int kKamers = 300;
constexpr int kMaxPersonen = 2;
const TDateTime kJaarBegin = EncodeDate(2026, 1, 1);
const TDateTime kJaarEind = EncodeDate(2026, 12, 31);

// Booked from before the year to after it, so that every day of 2026 is full.
std::vector<BenchVerblijf>& Verblijven()
{
    static std::vector<BenchVerblijf> verblijven =
        MaakVerblijven(kKamers, EncodeDate(2025, 12, 1), EncodeDate(2027, 1, 31), 20261207);
    return verblijven;
}

std::vector<brlib::stKamer> Kamers()
{
    std::vector<brlib::stKamer> kamers;
    for (int k = 0; k < kKamers; ++k) {
        brlib::stKamer kamer;
        kamer.kamerNr = 101 + k;
        kamer.maxPersonen = kMaxPersonen;
        kamers.push_back(kamer);
    }
    return kamers;
}

void JaarOverzicht(benchmark::State& state)
{
    const std::vector<brlib::stKamer> kamers = Kamers();
    double bezet = 0;
    for (auto _ : state) {
        const bezetting::Bezetting b = bezetting::BerekenBezetting({kJaarBegin, kJaarEind}, kamers, true);
        bezet = b.dagen[180].percBezet;
        benchmark::DoNotOptimize(b.maanden.data());
    }
    state.counters["bezet_29jun_pct"] = bezet;
}

// Per day: occupied rooms and persons of reservations, blocked rooms with the
// room's maximum, and the rooms there are; a room counts once per day.
class SqliteBezetting {
public:
    explicit SqliteBezetting(const QString& pad)
    {
        sqlite3_open(pad.toUtf8().constData(), &db_);
        Voer("CREATE TABLE kamer(nr INTEGER PRIMARY KEY, maxpers INTEGER, vanaf INTEGER)");
        Voer("CREATE TABLE regel(nr INTEGER PRIMARY KEY, kamer INTEGER, begin INTEGER, eind INTEGER,"
             " soort INTEGER, personen INTEGER)");
        Voer("BEGIN");
        Vul();
        Voer("COMMIT");
        Voer("CREATE INDEX regel_begin ON regel(begin)");
        sqlite3_prepare_v2(db_,
                           "WITH RECURSIVE dag(d) AS (SELECT ?1 UNION ALL SELECT d + 1 FROM dag WHERE d < ?2),"
                           " kamerdag AS (SELECT d, r.kamer, r.soort, SUM(r.personen) AS pers, k.maxpers"
                           "   FROM dag JOIN regel r ON r.begin BETWEEN d - 49 AND d AND r.eind >= d"
                           "   JOIN kamer k ON k.nr = r.kamer"
                           "   WHERE (r.soort = 0 AND r.personen > 0) OR (r.soort = 2 AND k.maxpers > 0)"
                           "   GROUP BY d, r.kamer, r.soort)"
                           " SELECT dag.d,"
                           "   COUNT(CASE WHEN soort = 0 THEN 1 END), TOTAL(CASE WHEN soort = 0 THEN pers END),"
                           "   COUNT(CASE WHEN soort = 2 THEN 1 END), TOTAL(CASE WHEN soort = 2 THEN maxpers END),"
                           "   (SELECT COUNT(*) FROM kamer WHERE vanaf = 0 OR vanaf <= dag.d)"
                           " FROM dag LEFT JOIN kamerdag ON kamerdag.d = dag.d GROUP BY dag.d ORDER BY dag.d",
                           -1, &vraag_, nullptr);
    }
    ~SqliteBezetting()
    {
        sqlite3_finalize(vraag_);
        sqlite3_close(db_);
    }

    std::vector<bezetting::DagBezetting> Lees()
    {
        std::vector<bezetting::DagBezetting> dagen;
        sqlite3_bind_int(vraag_, 1, static_cast<int>(kJaarBegin));
        sqlite3_bind_int(vraag_, 2, static_cast<int>(kJaarEind));
        while (sqlite3_step(vraag_) == SQLITE_ROW) {
            bezetting::DagBezetting d;
            d.datum = sqlite3_column_int(vraag_, 0);
            d.kamersBezet = sqlite3_column_int(vraag_, 1);
            d.persBezet = sqlite3_column_int(vraag_, 2);
            d.kamersGeblok = sqlite3_column_int(vraag_, 3);
            d.persGeblok = sqlite3_column_int(vraag_, 4);
            d.kamersTotaal = sqlite3_column_int(vraag_, 5);
            d.percBezet = d.kamersTotaal > 0 ? d.kamersBezet * 100.0 / d.kamersTotaal : 0;
            dagen.push_back(d);
        }
        sqlite3_reset(vraag_);
        return dagen;
    }

private:
    void Voer(const char* sql) { sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }

    void Vul()
    {
        sqlite3_stmt* kamer = nullptr;
        sqlite3_prepare_v2(db_, "INSERT INTO kamer VALUES(?, ?, 0)", -1, &kamer, nullptr);
        for (int k = 0; k < kKamers; ++k) {
            sqlite3_bind_int(kamer, 1, 101 + k);
            sqlite3_bind_int(kamer, 2, kMaxPersonen);
            sqlite3_step(kamer);
            sqlite3_reset(kamer);
        }
        sqlite3_finalize(kamer);
        sqlite3_stmt* regel = nullptr;
        sqlite3_prepare_v2(db_, "INSERT INTO regel VALUES(?, ?, ?, ?, ?, 2)", -1, &regel, nullptr);
        int nr = 0;
        for (const BenchVerblijf& v : Verblijven()) {
            const int waarden[] = {++nr, v.kamer, v.begin, v.eind, v.soort};
            for (int i = 0; i < 5; ++i)
                sqlite3_bind_int(regel, i + 1, waarden[i]);
            sqlite3_step(regel);
            sqlite3_reset(regel);
        }
        sqlite3_finalize(regel);
    }

    sqlite3* db_ = nullptr;
    sqlite3_stmt* vraag_ = nullptr;
};

void SqliteJaarOverzicht(benchmark::State& state)
{
    const QTemporaryDir plek;
    SqliteBezetting db(plek.filePath(QStringLiteral("bezetting.db")));
    double bezet = 0;
    for (auto _ : state) {
        const std::vector<bezetting::DagBezetting> dagen = db.Lees();
        bezet = dagen[180].percBezet;
        benchmark::DoNotOptimize(dagen.data());
    }
    state.counters["bezet_29jun_pct"] = bezet;
}

BENCHMARK(JaarOverzicht)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(SqliteJaarOverzicht)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    OpenBenchHotel(QStringLiteral("bezetting-300"), Verblijven());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
