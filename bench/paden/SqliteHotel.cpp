#include "bench/paden/SqliteHotel.h"

#include <stdexcept>

SqliteHotel::SqliteHotel(const QString& pad, const std::vector<BenchVerblijf>& verblijven)
{
    if (sqlite3_open(pad.toUtf8().constData(), &db_) != SQLITE_OK)
        throw std::runtime_error("sqlite3_open");
    Exec("PRAGMA journal_mode=DELETE");
    Exec("CREATE TABLE kop(nr INTEGER PRIMARY KEY, begin INTEGER, eind INTEGER, status INTEGER, soort INTEGER,"
         " groep INTEGER, teller INTEGER)");
    Exec("CREATE TABLE regel(nr INTEGER PRIMARY KEY, kop INTEGER, kamer INTEGER, begin INTEGER, eind INTEGER,"
         " soort INTEGER, personen INTEGER, incheck INTEGER)");
    Exec("CREATE TABLE incheck(nr INTEGER PRIMARY KEY, moment REAL, uit INTEGER, uitmoment REAL, teller INTEGER)");
    Exec("CREATE TABLE persoon(nr INTEGER PRIMARY KEY, incheck INTEGER, naam TEXT)");
    Exec("CREATE TABLE product(nr INTEGER PRIMARY KEY, kop INTEGER, artikel INTEGER, aantal REAL, prijs REAL,"
         " omschr TEXT)");
    Exec("CREATE TABLE lid(groep INTEGER, kop INTEGER)");
    Exec("CREATE TABLE kamerstatus(kamer INTEGER PRIMARY KEY, status INTEGER)");
    Vul(verblijven);
    Exec("CREATE INDEX regel_kamer ON regel(kamer, begin)");
    Exec("CREATE INDEX regel_begin ON regel(begin)");
    Exec("CREATE INDEX regel_kop ON regel(kop)");
    Exec("CREATE INDEX persoon_incheck ON persoon(incheck)");
    Exec("CREATE INDEX product_kop ON product(kop)");
    Exec("CREATE INDEX lid_kop ON lid(kop)");
    Exec("PRAGMA synchronous=FULL");

    // A stay lasts at most 49 nights, so a room's lines are sought from 49 days back.
    vrij_ = Maak("SELECT 1 FROM regel WHERE kamer = ?1 AND begin >= ?2 - 49 AND begin < ?3 AND eind > ?2 LIMIT 1");
    annuleerRegels_ = Maak("DELETE FROM regel WHERE kop = ?1");
    annuleerProducten_ = Maak("DELETE FROM product WHERE kop = ?1");
    annuleerLid_ = Maak("DELETE FROM lid WHERE kop = ?1");
    annuleerKop_ = Maak("UPDATE kop SET status = 99, groep = 0, teller = teller + 1 WHERE nr = ?1");
    incheck_ = Maak("INSERT INTO incheck(moment, uit, teller) VALUES(?1, 0, 1)");
    persoon_ = Maak("INSERT INTO persoon(incheck, naam) VALUES(?1, 'Smit')");
    regelIncheck_ = Maak("UPDATE regel SET incheck = ?2 WHERE kop = ?1");
    kopStatus_ = Maak("UPDATE kop SET status = ?2, teller = teller + 1 WHERE nr = ?1");
    uitcheck_ = Maak("UPDATE incheck SET uit = 1, uitmoment = ?2, teller = teller + 1"
                     " WHERE nr IN (SELECT incheck FROM regel WHERE kop = ?1)");
    vuil_ = Maak("INSERT OR REPLACE INTO kamerstatus SELECT kamer, 1 FROM regel WHERE kop = ?1");
    leesRes_ = Maak("SELECT k.begin, k.eind, k.status, k.teller, r.kamer, r.begin, r.eind, i.moment, i.uit, p.naam"
                    " FROM kop k JOIN regel r ON r.kop = k.nr LEFT JOIN incheck i ON i.nr = r.incheck"
                    " LEFT JOIN persoon p ON p.incheck = i.nr WHERE k.nr = ?1");
    schoonmaak_ = Maak("SELECT r.kamer, MAX(r.begin = ?1), MAX(r.begin < ?1 AND r.eind > ?1), MAX(r.eind = ?1)"
                       " FROM regel r JOIN kop k ON k.nr = r.kop"
                       " WHERE r.begin BETWEEN ?1 - 49 AND ?1 AND r.eind >= ?1 AND k.soort = 0"
                       " GROUP BY r.kamer ORDER BY r.kamer");
}

SqliteHotel::~SqliteHotel()
{
    for (sqlite3_stmt* stmt : alle_)
        sqlite3_finalize(stmt);
    sqlite3_close(db_);
}

void SqliteHotel::Exec(const char* sql)
{
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db_));
}

sqlite3_stmt* SqliteHotel::Maak(const char* sql)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db_));
    alle_.push_back(stmt);
    return stmt;
}

int SqliteHotel::Voer(sqlite3_stmt* stmt, std::initializer_list<double> waarden)
{
    int i = 0;
    for (double w : waarden)
        sqlite3_bind_double(stmt, ++i, w);
    int rijen = 0;
    int stap = SQLITE_ROW;
    while ((stap = sqlite3_step(stmt)) == SQLITE_ROW)
        ++rijen;
    sqlite3_reset(stmt);
    if (stap != SQLITE_DONE)
        throw std::runtime_error(sqlite3_errmsg(db_));
    return rijen;
}

// The same records as the generator writes: groups of the first reservations
// arriving on every few days, products with every few reservations.
void SqliteHotel::Vul(const std::vector<BenchVerblijf>& verblijven)
{
    Exec("PRAGMA synchronous=OFF");
    Exec("BEGIN");
    sqlite3_stmt* kop = Maak("INSERT INTO kop VALUES(?1, ?2, ?3, ?4, ?5, ?6, 1)");
    sqlite3_stmt* regel = Maak("INSERT INTO regel VALUES(?1, ?1, ?2, ?3, ?4, ?5, 2, ?6)");
    sqlite3_stmt* incheck = Maak("INSERT INTO incheck VALUES(?1, ?2, 0, 0, 1)");
    sqlite3_stmt* product = Maak("INSERT INTO product(kop, artikel, aantal, prijs, omschr) VALUES(?1, ?2, 2, ?3, 'Ontbijt')");
    sqlite3_stmt* lid = Maak("INSERT INTO lid VALUES(?1, ?2)");
    int groep = 0;
    int groepDag = 0;
    int leden = 0;
    int incheckNr = 0;
    for (size_t i = 0; i < verblijven.size(); ++i) {
        const BenchVerblijf& v = verblijven[i];
        const double nr = double(i + 1);
        int groepNr = 0;
        if (DagNr(v.begin) % kGroepDag == 0 && (groepDag != v.begin || leden < kGroepGrootte)) {
            if (groepDag != v.begin) {
                groepDag = v.begin;
                leden = 0;
                ++groep;
            }
            ++leden;
            groepNr = groep;
            Voer(lid, {double(groep), nr});
        }
        if (v.ingecheckt)
            Voer(incheck, {double(++incheckNr), v.begin + 0.6});
        Voer(kop, {nr, double(v.begin), double(v.eind), v.ingecheckt ? 1.0 : 0.0, double(v.soort), double(groepNr)});
        Voer(regel, {nr, double(v.kamer), double(v.begin), double(v.eind), double(v.soort),
                     v.ingecheckt ? double(incheckNr) : 0.0});
        if (v.soort == 0 && (i + 1) % kProductElke == 0) {
            Voer(product, {nr, 9001, 14.5});
            Voer(product, {nr, 9002, 32.0});
        }
    }
    Exec("COMMIT");
}

bool SqliteHotel::Vrij(int32_t kamer, int begin, int eind)
{
    return Voer(vrij_, {double(kamer), double(begin), double(eind)}) == 0;
}

void SqliteHotel::Annuleer(int64_t kop)
{
    Exec("BEGIN");
    for (sqlite3_stmt* stmt : {annuleerRegels_, annuleerProducten_, annuleerLid_, annuleerKop_})
        Voer(stmt, {double(kop)});
    Exec("COMMIT");
}

void SqliteHotel::CheckIn(int64_t kop, double moment)
{
    Exec("BEGIN");
    Voer(incheck_, {moment});
    const double incheckNr = double(sqlite3_last_insert_rowid(db_));
    Voer(persoon_, {incheckNr});
    Voer(regelIncheck_, {double(kop), incheckNr});
    Voer(kopStatus_, {double(kop), 1});
    Exec("COMMIT");
}

void SqliteHotel::CheckUit(int64_t kop, double moment)
{
    Exec("BEGIN");
    Voer(uitcheck_, {double(kop), moment});
    Voer(vuil_, {double(kop)});
    Voer(kopStatus_, {double(kop), 2});
    Exec("COMMIT");
    Voer(leesRes_, {double(kop)});
}

std::vector<SqliteHotel::Schoonmaak> SqliteHotel::SchoonmaakLijst(int dag)
{
    std::vector<Schoonmaak> lijst;
    sqlite3_bind_int(schoonmaak_, 1, dag);
    while (sqlite3_step(schoonmaak_) == SQLITE_ROW)
        lijst.push_back({sqlite3_column_int(schoonmaak_, 0), sqlite3_column_int(schoonmaak_, 1) != 0,
                         sqlite3_column_int(schoonmaak_, 2) != 0, sqlite3_column_int(schoonmaak_, 3) != 0});
    sqlite3_reset(schoonmaak_);
    return lijst;
}
