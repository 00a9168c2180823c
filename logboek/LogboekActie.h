#pragma once
// What the open action will leave in the audit trail. The shared action cores
// (reservation, check-in, master data) hold a LogboekActie while they hold the
// lock and call Vastleggen just before they commit; the write path in between
// only says what it changes, through the Noteer functions. All notes of one
// action become one record.
//
// A subject is noted before it is written: its values are read then and again
// at Vastleggen (reads see the action's own writes), and the values that
// differ are the record's before and after.

#include <functional>
#include <utility>
#include <vector>
#include <QString>

#include "host/base/JaarNr.h"
#include "logboek/LogboekBestand.h"

namespace logboek {

using Velden = std::vector<std::pair<QString, QString>>;

class LogboekActie {
public:
    LogboekActie();
    ~LogboekActie();  // forgets what was noted when the action did not commit
    LogboekActie(const LogboekActie&) = delete;
    LogboekActie& operator=(const LogboekActie&) = delete;

    // Writes the record of what was noted (nothing when nothing was). Call
    // inside the action, before its commit.
    void Vastleggen();

    struct Notities;

private:
    Notities* vorige_;
    Notities* notities_;
};

// The action `actie` changes this stored reservation; call before writing it.
void NoteerReservering(const QString& actie, const JaarNr& sleutel);
// The action made this reservation; call after writing it.
void NoteerNieuweReservering(const QString& actie, const JaarNr& sleutel);
// A master-data action on `sleutel` ("kamer 101"); `lezer` gives its values as
// the files hold them. Call before writing.
void NoteerStam(const QString& actie, const QString& sleutel, std::function<Velden()> lezer);
// A value beside the noted change (a room's housekeeping status, say).
void NoteerWijziging(const Wijziging& wijziging);

// The fields of `voor` and `na` whose values differ, in order of first appearance.
std::vector<Wijziging> Verschillen(const Velden& voor, const Velden& na);

}  // namespace logboek
