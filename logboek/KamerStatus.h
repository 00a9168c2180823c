#pragma once
// The housekeeping status of the rooms, in a file of its own beside the
// master data, written inside the crash-safe actions like every record file.
//
// rsv_kamerstatus.dat (one file, no header record; a room without a record is
// clean; a new room gets record RecordCount + 1):
//   0  long  room number
//   4  byte  status (e_KamerStatus)
//   5  DOS_datumtijd_type  time of the last change
//   12 char[21]  workstation of the last change

#include <cstddef>
#include <cstdint>
#include <map>
#include <QString>

#include "host/base/RecordDate.h"

#pragma pack(push, 1)
struct WIN_rsv_kamerstatus {
    int32_t kamerNr;
    uint8_t status;
    DOS_datumtijd_type gewijzigd;
    char werkplek[21];
};
#pragma pack(pop)
static_assert(sizeof(WIN_rsv_kamerstatus) == 33);
static_assert(offsetof(WIN_rsv_kamerstatus, status) == 4);
static_assert(offsetof(WIN_rsv_kamerstatus, gewijzigd) == 5);
static_assert(offsetof(WIN_rsv_kamerstatus, werkplek) == 12);

namespace logboek {

inline constexpr char kKamerStatusBestand[] = "rsv_kamerstatus.dat";

enum e_KamerStatus : uint8_t { ksSchoon = 0, ksVuil = 1, ksGecontroleerd = 2, ksBuitenGebruik = 3 };
inline constexpr e_KamerStatus kAlleKamerStatussen[] = {ksSchoon, ksVuil, ksGecontroleerd, ksBuitenGebruik};

// "schoon", "vuil", "gecontroleerd", "buiten gebruik".
QString KamerStatusTekst(e_KamerStatus status);

// The room's status as the file holds it (the open action's writes included).
e_KamerStatus KamerStatus(int32_t kamerNr);
// Every room that is not clean, by room number.
std::map<int32_t, e_KamerStatus> KamerStatussen();
// The status of `kamerNr` in what KamerStatussen() returned.
e_KamerStatus StatusIn(const std::map<int32_t, e_KamerStatus>& statussen, int32_t kamerNr);

// Sets the status inside the open action (the lock held) and notes the change
// for the audit trail. Does nothing when the room has that status already.
void ZetKamerStatusInActie(int32_t kamerNr, e_KamerStatus status);

// A check-out leaves the room dirty, inside its action; a room out of use stays so.
void MaakKamerVuilInActie(int32_t kamerNr);

// The refusal for booking or moving onto the room, or empty when it may be used.
QString BuitenGebruikMelding(int32_t kamerNr);
// That refusal's text.
QString BuitenGebruikTekst(int32_t kamerNr);

}  // namespace logboek
