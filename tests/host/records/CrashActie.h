#pragma once
// The multi-file action the crash tests interrupt, and the state it starts
// from. Shared by the test and its child process.

#include <map>
#include <QByteArray>
#include <QString>

// Writes the starting state (its own committed actions) into the current administration.
void MaakBeginstand();
// One action: overwrites and appends records of a single and a per-year file,
// starts a new year, rewrites text lists and raises the update count. Takes
// and releases the reservation lock itself.
void DoeCrashActie();

// Every data file of the administration (not the lock files and the journal)
// by relative path.
using Momentopname = std::map<QString, QByteArray>;
Momentopname NeemMomentopname(const QString& dir);
// Puts the data files back as they were in the snapshot.
void ZetMomentopname(const QString& dir, const Momentopname& opname);
