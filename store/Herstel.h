#pragma once
// Repairs of an administration that have one right answer, under the "rsv"
// lock: a journal a crashed workstation left behind is rolled back, free
// lists are rebuilt from the empty records, the back links and the last
// member of day chains whose forward links are sound are set again, and a
// torn update count file is cut back to its count. Every file is copied to
// "herstel-YYYYMMDD-HHMMSS" in the administration before it is changed.
// What remains is left to the operator (findings, see RaadBij).

#include <vector>
#include <QString>
#include <QStringList>

#include "store/Bevinding.h"

struct HerstelUitkomst {
    bool slot = false;             // false: another workstation kept the lock
    QString reservekopie;          // the folder with the copies; empty when nothing changed
    QStringList hersteld;          // one line per repair
    std::vector<Bevinding> over;   // what the integrity check still finds afterwards
};

HerstelUitkomst HerstelAdministratie();

// A journal whose action the next lock holder would finish: the action of a
// workstation that died, or one being committed at this moment.
std::vector<Bevinding> JournaalBevindingen();

// What the operator can do about a finding that was not repaired.
QString RaadBij(const Bevinding& bevinding);
