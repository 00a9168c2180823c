#pragma once
// The audit trail: one record per stored action, in the files of the year of
// the action's time. Written through the record layer inside the action it
// describes, so the action's journal covers it: after a crash the change and
// its record are both on disk or neither is.
//
// rsv_logboek.dat (per year, no header record; a new record is RecordCount + 1):
//   0  DOS_datumtijd_type  time of the action
//   7  char[21]  workstation      28 char[21] user
//   49 char[21]  action           70 word  year of the reservation
//   72 long      reservation number (0: not about a reservation)
//   76 char[21]  master-data key (e.g. "kamer 101")
//   97 long      text list in rsv_logboek.tkt: per changed value three lines,
//                field, before, after

#include <cstddef>
#include <cstdint>
#include <vector>
#include <QString>

#include "host/base/JaarNr.h"
#include "host/base/RecordDate.h"
#include "host/base/TDateTime.h"

#pragma pack(push, 1)
struct WIN_rsv_logboek {
    DOS_datumtijd_type tijd;
    char werkplek[21];
    char gebruiker[21];
    char actie[21];
    uint16_t resJaar;
    int32_t resNr;
    char stamSleutel[21];
    int32_t tekstNr;
};
#pragma pack(pop)
static_assert(sizeof(WIN_rsv_logboek) == 101);
static_assert(offsetof(WIN_rsv_logboek, werkplek) == 7);
static_assert(offsetof(WIN_rsv_logboek, gebruiker) == 28);
static_assert(offsetof(WIN_rsv_logboek, actie) == 49);
static_assert(offsetof(WIN_rsv_logboek, resJaar) == 70);
static_assert(offsetof(WIN_rsv_logboek, resNr) == 72);
static_assert(offsetof(WIN_rsv_logboek, stamSleutel) == 76);
static_assert(offsetof(WIN_rsv_logboek, tekstNr) == 97);

namespace logboek {

inline constexpr char kBestand[] = "rsv_logboek.dat";
inline constexpr char kTekstBestand[] = "rsv_logboek.tkt";

struct Wijziging {
    QString veld;
    QString voor;
    QString na;
    friend bool operator==(const Wijziging&, const Wijziging&) = default;
};

struct LogRegel {
    TDateTime tijd = 0;
    QString werkplek;
    QString gebruiker;
    QString actie;
    JaarNr reservering;   // JaarNr(0, 0): a master-data action
    QString stamSleutel;
    std::vector<Wijziging> wijzigingen;
};

// Today's date (HuidigeDatum) with the wall-clock time of day.
TDateTime Nu();
// This workstation's name: RSV_WERKPLEK when set, else the name the host
// application was given for it, else the host name. The user: USER.
QString WerkplekNaam();
QString GebruikerNaam();

// Appends the record to the trail. Only inside an open action (the lock held).
void SchrijfLogRegel(const LogRegel& regel);
// Every record of the year's trail, oldest first.
std::vector<LogRegel> LeesLogboek(int jaar);

}  // namespace logboek
