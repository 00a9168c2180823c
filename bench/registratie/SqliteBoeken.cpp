#include "bench/registratie/SqliteBoeken.h"

#include <stdexcept>

SqliteBoeken::SqliteBoeken(const QString& pad)
{
    if (sqlite3_open(pad.toUtf8().constData(), &db_) != SQLITE_OK)
        throw std::runtime_error("sqlite3_open");
    Exec("PRAGMA journal_mode=DELETE");
    Exec("PRAGMA synchronous=FULL");
    Exec("CREATE TABLE IF NOT EXISTS kop(nr INTEGER PRIMARY KEY, begin REAL, eind REAL, gast TEXT)");
    Exec("CREATE TABLE IF NOT EXISTS regel(nr INTEGER PRIMARY KEY, kop INTEGER, kamer INTEGER, begin REAL, "
         "eind REAL, bedrag REAL)");
    Exec("CREATE INDEX IF NOT EXISTS regel_kamer ON regel(kamer, begin)");
    sqlite3_prepare_v2(db_, "SELECT 1 FROM regel WHERE kamer = ?1 AND begin < ?3 AND eind > ?2 AND begin >= ?2 - 49",
                       -1, &vrij_, nullptr);
    sqlite3_prepare_v2(db_, "INSERT INTO kop(begin, eind, gast) VALUES(?1, ?2, 'Gast')", -1, &kop_, nullptr);
    sqlite3_prepare_v2(db_, "INSERT INTO regel(kop, kamer, begin, eind, bedrag) VALUES(?1, ?2, ?3, ?4, 89)", -1,
                       &regel_, nullptr);
    Exec("CREATE INDEX IF NOT EXISTS regel_kop ON regel(kop)");
    sqlite3_prepare_v2(db_, "UPDATE kop SET eind = ?2 WHERE nr = ?1", -1, &kopEind_, nullptr);
    sqlite3_prepare_v2(db_, "UPDATE regel SET eind = ?2 WHERE kop = ?1", -1, &regelEind_, nullptr);
    sqlite3_prepare_v2(db_, "UPDATE regel SET kamer = ?2 WHERE kop = ?1", -1, &regelKamer_, nullptr);
}

SqliteBoeken::~SqliteBoeken()
{
    sqlite3_finalize(vrij_);
    sqlite3_finalize(kop_);
    sqlite3_finalize(regel_);
    sqlite3_finalize(kopEind_);
    sqlite3_finalize(regelEind_);
    sqlite3_finalize(regelKamer_);
    sqlite3_close(db_);
}

void SqliteBoeken::Exec(const char* sql)
{
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db_));
}

void SqliteBoeken::Vul(const std::vector<Verblijf>& verblijven)
{
    Exec("BEGIN");
    for (const Verblijf& v : verblijven)
        VoegRegelToe(VoegKopToe(v.begin, v.eind), v.kamer, v.begin, v.eind);
    Exec("COMMIT");
}

bool SqliteBoeken::Vrij(int32_t kamer, TDateTime begin, TDateTime eind)
{
    sqlite3_bind_int(vrij_, 1, kamer);
    sqlite3_bind_double(vrij_, 2, begin);
    sqlite3_bind_double(vrij_, 3, eind);
    const bool vrij = sqlite3_step(vrij_) == SQLITE_DONE;
    sqlite3_reset(vrij_);
    return vrij;
}

int64_t SqliteBoeken::VoegKopToe(TDateTime begin, TDateTime eind)
{
    sqlite3_bind_double(kop_, 1, begin);
    sqlite3_bind_double(kop_, 2, eind);
    sqlite3_step(kop_);
    sqlite3_reset(kop_);
    return sqlite3_last_insert_rowid(db_);
}

void SqliteBoeken::VoegRegelToe(int64_t kop, int32_t kamer, TDateTime begin, TDateTime eind)
{
    sqlite3_bind_int64(regel_, 1, kop);
    sqlite3_bind_int(regel_, 2, kamer);
    sqlite3_bind_double(regel_, 3, begin);
    sqlite3_bind_double(regel_, 4, eind);
    sqlite3_step(regel_);
    sqlite3_reset(regel_);
}

bool SqliteBoeken::Boek(int32_t eersteKamer, int kamers, TDateTime begin, int nachten)
{
    const TDateTime eind = begin + nachten;
    Exec("BEGIN IMMEDIATE");
    for (int k = 0; k < kamers; ++k)
        if (!Vrij(kEersteVrijeKamer + eersteKamer + k, begin, eind)) {
            Exec("ROLLBACK");
            return false;
        }
    // One reservation per room when there are several, as the group booking does.
    for (int k = 0; k < kamers; ++k)
        VoegRegelToe(laatsteKop_ = VoegKopToe(begin, eind), kEersteVrijeKamer + eersteKamer + k, begin, eind);
    Exec("COMMIT");
    return true;
}

void SqliteBoeken::WijzigEind(int64_t kop, TDateTime eind)
{
    Exec("BEGIN IMMEDIATE");
    for (sqlite3_stmt* stap : {kopEind_, regelEind_}) {
        sqlite3_bind_int64(stap, 1, kop);
        sqlite3_bind_double(stap, 2, eind);
        sqlite3_step(stap);
        sqlite3_reset(stap);
    }
    Exec("COMMIT");
}

bool SqliteBoeken::Verplaats(int64_t kop, int32_t kamer, TDateTime begin, TDateTime eind)
{
    Exec("BEGIN IMMEDIATE");
    if (!Vrij(kEersteVrijeKamer + kamer, begin, eind)) {
        Exec("ROLLBACK");
        return false;
    }
    sqlite3_bind_int64(regelKamer_, 1, kop);
    sqlite3_bind_int(regelKamer_, 2, kEersteVrijeKamer + kamer);
    sqlite3_step(regelKamer_);
    sqlite3_reset(regelKamer_);
    Exec("COMMIT");
    return true;
}
