#pragma once
// What the crash and fault tests of the write paths share: the demo
// administration they start from (made once per test program by `rsvdemo`),
// a copy of it per run, and the integrity check of the record and till files.

#include <QString>

// The directory of the demo administration, made on first use.
QString DemoBasis();
// Copies every file of `van` (subfolders included) into the new folder `naar`.
void KopieerAdministratie(const QString& van, const QString& naar);
// As the next lock holder would: taking the lock recovers the journal.
void Herstel(const QString& dir);
// The findings of the integrity check on `dir`, one per line; empty when clean.
QString BevindingenIn(const QString& dir);
