// The reservation overview's searches on ten years of a 300-room hotel (stays
// of 1..7 nights back to back, every reservation with guest data), against the
// same questions to SQLite with an index on the stay.

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <map>

#include <QTemporaryDir>

#include "bench/gedeeld/BenchAdmin.h"
#include "bench/gedeeld/LeesTeller.h"
#include "bench/zoek/GastTeksten.h"
#include "host/base/AdminDir.h"
#include "host/brlib/RsvReservering.h"
#include "reservation/ZoekRijen.h"
#include "reservation/ZoekTreffers.h"

namespace {

constexpr int kKamers = 300;
constexpr int kVan = 2017;
constexpr int kTot = 2026;
const QString kNaam = QStringLiteral("vries");
const TDateTime kDatum = EncodeDate(2026, 6, 17);

std::vector<BenchVerblijf>& Verblijven()
{
    static std::vector<BenchVerblijf> verblijven =
        MaakVerblijven(kKamers, EncodeDate(kVan, 1, 1), EncodeDate(kTot + 1, 1, 1), 20170101);
    return verblijven;
}

// One row per reservation: its key, stay, status and the first guest line.
class SqliteReserveringen {
public:
    explicit SqliteReserveringen(const QString& pad)
    {
        sqlite3_open(pad.toUtf8().constData(), &db_);
        Voer("CREATE TABLE res(jaar INTEGER, nr INTEGER, begin INTEGER, eind INTEGER, status INTEGER,"
             " naam TEXT, PRIMARY KEY(jaar, nr))");
        Vul();
        Voer("CREATE INDEX res_verblijf ON res(begin, eind)");
        sqlite3_prepare_v2(db_, "SELECT jaar, nr, begin, eind FROM res WHERE naam LIKE ?1", -1, &opNaam_, nullptr);
        // A stay is at most 49 nights, so the index range starts 49 days back.
        sqlite3_prepare_v2(db_, "SELECT jaar, nr, begin, eind FROM res WHERE begin BETWEEN ?1 - 49 AND ?1"
                                " AND eind >= ?1", -1, &opDatum_, nullptr);
    }
    ~SqliteReserveringen()
    {
        sqlite3_finalize(opNaam_);
        sqlite3_finalize(opDatum_);
        sqlite3_close(db_);
    }

    std::vector<zoek::ZoekTreffer> OpNaam(const QString& naam)
    {
        const QByteArray patroon = ('%' + naam + '%').toUtf8();
        sqlite3_bind_text(opNaam_, 1, patroon.constData(), int(patroon.size()), SQLITE_TRANSIENT);
        return Treffers(opNaam_);
    }

    std::vector<zoek::ZoekTreffer> OpDatum(TDateTime datum)
    {
        sqlite3_bind_int(opDatum_, 1, int(datum));
        return Treffers(opDatum_);
    }

private:
    void Voer(const char* sql) { sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }

    void Vul()
    {
        Voer("BEGIN");
        sqlite3_stmt* in = nullptr;
        sqlite3_prepare_v2(db_, "INSERT INTO res VALUES(?,?,?,?,0,?)", -1, &in, nullptr);
        std::map<int, int> nummers;
        int volgNr = 0;
        for (const BenchVerblijf& v : Verblijven()) {
            const int jaar = Jaar(v.begin);
            const QByteArray naam = GastRegels(volgNr++).front().toUtf8();
            const int waarden[] = {jaar, ++nummers[jaar], v.begin, v.eind};
            for (int i = 0; i < 4; ++i)
                sqlite3_bind_int(in, i + 1, waarden[i]);
            sqlite3_bind_text(in, 5, naam.constData(), int(naam.size()), SQLITE_TRANSIENT);
            sqlite3_step(in);
            sqlite3_reset(in);
        }
        sqlite3_finalize(in);
        Voer("COMMIT");
    }

    static std::vector<zoek::ZoekTreffer> Treffers(sqlite3_stmt* vraag)
    {
        std::vector<zoek::ZoekTreffer> treffers;
        while (sqlite3_step(vraag) == SQLITE_ROW)
            treffers.push_back({JaarNr(sqlite3_column_int(vraag, 0), sqlite3_column_int(vraag, 1)),
                                TDateTime(sqlite3_column_int(vraag, 2)), TDateTime(sqlite3_column_int(vraag, 3))});
        sqlite3_reset(vraag);
        return treffers;
    }

    sqlite3* db_ = nullptr;
    sqlite3_stmt* opNaam_ = nullptr;
    sqlite3_stmt* opDatum_ = nullptr;
};

SqliteReserveringen& Sqlite()
{
    static const QTemporaryDir plek;
    static SqliteReserveringen db(plek.filePath(QStringLiteral("reserveringen.db")));
    return db;
}

template <class Zoek>
void Meet(benchmark::State& state, Zoek zoek)
{
    size_t treffers = 0;
    const Telling telling;
    for (auto _ : state)
        treffers = zoek().size();
    state.counters["treffers"] = double(treffers);
    telling.Sluit(state);
}

void ZoekOpNaam(benchmark::State& state) { Meet(state, [] { return zoek::ZoekOpNaam(kNaam); }); }
void SqliteOpNaam(benchmark::State& state) { Meet(state, [] { return Sqlite().OpNaam(kNaam); }); }
void ZoekOpDatum(benchmark::State& state) { Meet(state, [] { return zoek::ZoekOpDatum(kDatum); }); }
void SqliteOpDatum(benchmark::State& state) { Meet(state, [] { return Sqlite().OpDatum(kDatum); }); }

// What the form does after the search: every hit read again with its rooms and guest data.
void Rijen(benchmark::State& state, const std::vector<zoek::ZoekTreffer>& treffers)
{
    Meet(state, [&] { return zoek::LeesRijen(treffers, zoek::ZoekVraag{}); });
}
void RijenOpNaam(benchmark::State& state) { Rijen(state, zoek::ZoekOpNaam(kNaam)); }
void RijenOpDatum(benchmark::State& state) { Rijen(state, zoek::ZoekOpDatum(kDatum)); }
void RijenPerJaar(benchmark::State& state) { Rijen(state, zoek::ZoekPerJaar(kTot, false)); }

void Registreer(const char* naam, void (*meting)(benchmark::State&))
{
    benchmark::RegisterBenchmark(naam, meting)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv)
{
    Teller();
    const QTemporaryDir admin;
    ZetAdminDir(admin.path());
    SchrijfVerblijven(Verblijven());
    SchrijfGastTeksten(kVan, kTot);
    Sqlite();
    Registreer("ZoekOpNaam", ZoekOpNaam);
    Registreer("SqliteOpNaam", SqliteOpNaam);
    Registreer("ZoekOpDatum", ZoekOpDatum);
    Registreer("SqliteOpDatum", SqliteOpDatum);
    Registreer("RijenOpNaam", RijenOpNaam);
    Registreer("RijenOpDatum", RijenOpDatum);
    Registreer("RijenPerJaar", RijenPerJaar);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
