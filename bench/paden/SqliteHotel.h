#pragma once
// The generated hotel in SQLite, for the same work side by side: one row per
// reservation, line, check-in, product line and group member, indexed as an
// application would (a room's lines by arrival, lines by arrival day, the rows
// under a reservation). Writes are one transaction each with the rollback
// journal and synchronous=FULL, as durable as the record files.

#include <sqlite3.h>

#include <cstdint>
#include <vector>

#include <QString>

#include "bench/gedeeld/BenchAdmin.h"

class SqliteHotel {
public:
    SqliteHotel(const QString& pad, const std::vector<BenchVerblijf>& verblijven);
    ~SqliteHotel();
    SqliteHotel(const SqliteHotel&) = delete;
    SqliteHotel& operator=(const SqliteHotel&) = delete;

    // Whether room `kamer` is free for [begin, eind).
    bool Vrij(int32_t kamer, int begin, int eind);
    // Reservation `kop` (its row number: the stay's index + 1) cancelled: its
    // lines, products and group membership deleted, status 99.
    void Annuleer(int64_t kop);
    // The one room of reservation `kop` checked in with one guest.
    void CheckIn(int64_t kop, double moment);
    // The check-in of reservation `kop` checked out, the room dirty, and the
    // reservation read again as the check-in list shows it.
    void CheckUit(int64_t kop, double moment);
    // Per room in use on `dag`: arrival, stay-over, departure, in room order.
    struct Schoonmaak {
        int32_t kamer;
        bool aankomst, blijft, vertrek;
    };
    std::vector<Schoonmaak> SchoonmaakLijst(int dag);

private:
    void Vul(const std::vector<BenchVerblijf>& verblijven);
    void Exec(const char* sql);
    sqlite3_stmt* Maak(const char* sql);
    // Binds `waarden` to `stmt`, steps it to the end and resets it; the rows it gave.
    int Voer(sqlite3_stmt* stmt, std::initializer_list<double> waarden);

    sqlite3* db_ = nullptr;
    std::vector<sqlite3_stmt*> alle_;
    sqlite3_stmt* vrij_;
    sqlite3_stmt* annuleerRegels_;
    sqlite3_stmt* annuleerProducten_;
    sqlite3_stmt* annuleerLid_;
    sqlite3_stmt* annuleerKop_;
    sqlite3_stmt* incheck_;
    sqlite3_stmt* persoon_;
    sqlite3_stmt* regelIncheck_;
    sqlite3_stmt* kopStatus_;
    sqlite3_stmt* uitcheck_;
    sqlite3_stmt* vuil_;
    sqlite3_stmt* leesRes_;
    sqlite3_stmt* schoonmaak_;
};
