#pragma once
// Rate types: the rules of the edit dialog, reading the list (with the
// standard rate type on a new administration), and the write and delete paths
// of rsv_tariefsoort.dat. No widgets; the forms show what these return.

#include <array>
#include <vector>
#include <QString>

#include "host/brlib/TariefSoort.h"
#include "masterdata/Afkeuring.h"

namespace tariefsoort {
inline const QString kNietWijzigen = QStringLiteral("Standaard tariefsoort kan niet gewijzigd worden.");
inline const QString kNietVerwijderen = QStringLiteral("Standaard tariefsoort kan niet verwijderd worden.");
inline const QString kVerwijderTitel = QStringLiteral("Verwijderen tariefsoort");
}  // namespace tariefsoort

enum class TariefSoortVeld { Code, Dagen, WeekDagen };

// The dialog's check on OK: code, then the number of days (days form) or at
// least one weekday (weekday form).
Controle<TariefSoortVeld> ControleerTariefSoort(const QString& code, bool weekDagVorm, int aantalDagen,
                                                const std::array<bool, 7>& weekDagen);

// All rate types; on an administration without any, the standard rate type is
// made and written first, so the list always starts with it.
void LeesTariefSoorten(std::vector<brlib::stTariefSoort>& lijst);

// The question before removing; warns when rates are linked to the rate type.
QString VerwijderVraag(const brlib::stTariefSoort& soort, bool metTarieven);

// Write path: a new item gets a record, a changed one is refused when another
// workstation changed it since it was read (error "Registreren tariefsoort").
// On an administration still without rate types the standard one is written
// first. On success the item holds its record number and new stamp.
bool SchrijfTariefSoort(brlib::stTariefSoort& soort);
// Delete path: the same check, then the record and every rate of the rate
// type, in every year, are freed.
bool VerwijderTariefSoort(const brlib::stTariefSoort& soort);
