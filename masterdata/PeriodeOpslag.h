#pragma once
// Periods of a year: the rules of the edit panel, reading a year's list (with
// the standard period for a year without any) and saving the whole list.
// No widgets. Periods have no change stamp: the last save of a year wins.

#include <vector>
#include <QString>

#include "host/base/TDateTime.h"
#include "host/brlib/Periode.h"
#include "masterdata/Afkeuring.h"

namespace periode {
inline const QString kEersteNietVerwijderen = QStringLiteral("De eerste periode kan niet verwijderd worden.");
inline const QString kVerwijderTitel = QStringLiteral("Verwijderen periode");
}  // namespace periode

enum class PeriodeVeld { Omschr, Datum };

// The year's periods; a year without any gets the standard period, which is
// written with the first save of that year.
void LeesPeriodes(int jaar, std::vector<brlib::stPeriode>& lijst);

// The panel's check on OK. `rij` is the period being changed, or -1 for a new
// one; no other period may begin on `begin`.
Controle<PeriodeVeld> ControleerPeriode(const std::vector<brlib::stPeriode>& lijst, int rij, TDateTime begin,
                                        const QString& omschr);

QString VerwijderVraag(const brlib::stPeriode& periode, bool metTarieven);

// Marks row `rij` for removal with the next save (a period never stored
// leaves the list at once); returns the begin date to
// focus afterwards (the next period's, or the previous one's for the last).
TDateTime MarkeerVoorVerwijderen(std::vector<brlib::stPeriode>& lijst, int rij);

// Saves the year's list in one locked action: new periods are appended (and
// get their number), changed ones rewritten, marked ones zeroed with their
// rates of that year. False, with nothing saved, when the lock is refused or
// the files cannot be written (an error is shown then).
bool SlaPeriodesOp(int jaar, std::vector<brlib::stPeriode>& lijst);
