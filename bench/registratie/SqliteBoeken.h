#pragma once
// The same booking in SQLite for comparison: in one transaction (rollback
// journal, synchronous=FULL) check that the rooms are free, then insert the
// reservation and its lines.

#include <sqlite3.h>
#include <QString>

#include "bench/registratie/BenchAdmin.h"

class SqliteBoeken {
public:
    explicit SqliteBoeken(const QString& pad);
    ~SqliteBoeken();
    SqliteBoeken(const SqliteBoeken&) = delete;
    SqliteBoeken& operator=(const SqliteBoeken&) = delete;

    // The dense stays, in one transaction.
    void Vul(const std::vector<Verblijf>& verblijven);
    // False when a room is taken (nothing is then inserted).
    bool Boek(int32_t eersteKamer, int kamers, TDateTime begin, int nachten);
    // The reservation the last booking made (its last, for several rooms).
    int64_t LaatsteKop() const { return laatsteKop_; }
    // A new end date of a reservation and its lines, in one transaction.
    void WijzigEind(int64_t kop, TDateTime eind);
    // The lines of a reservation to a room from kEersteVrijeKamer + kamer on,
    // when that room is free for the period; in one transaction.
    bool Verplaats(int64_t kop, int32_t kamer, TDateTime begin, TDateTime eind);

private:
    void Exec(const char* sql);
    bool Vrij(int32_t kamer, TDateTime begin, TDateTime eind);
    int64_t VoegKopToe(TDateTime begin, TDateTime eind);
    void VoegRegelToe(int64_t kop, int32_t kamer, TDateTime begin, TDateTime eind);

    sqlite3* db_ = nullptr;
    sqlite3_stmt* vrij_ = nullptr;
    sqlite3_stmt* kop_ = nullptr;
    sqlite3_stmt* regel_ = nullptr;
    sqlite3_stmt* kopEind_ = nullptr;
    sqlite3_stmt* regelEind_ = nullptr;
    sqlite3_stmt* regelKamer_ = nullptr;
    int64_t laatsteKop_ = 0;
};
