#pragma once
// The process side of `rsvdemo stress` and `rsvdemo soak`: the workstation
// children, their counts as text, and what the parent does at the end.

#include <cstdint>
#include <map>
#include <memory>
#include <QProcess>
#include <QStringList>

#include "tools/rsvdemo/StressWerkplek.h"

// DIR followed by "--name value" pairs with a number each, stored through
// `getallen`; false on anything else.
bool LeesGetallen(const QStringList& args, QString& map, const std::map<QString, int*>& getallen);

// Makes DIR the administration; a new or empty one first gets the demo hotel's master data.
bool ZorgVoorHotel(const QString& pad);

// Starts `rsvdemo stress-werkplek` on `map`. With `voortgang` K > 0 it writes
// "voortgang PID N" and "telling PID <counts>" to standard error after every K actions.
std::unique_ptr<QProcess> StartWerkplek(const QString& map, int boekingen, uint32_t zaad, int voortgang,
                                        QProcess::ProcessChannelMode kanalen);

// The counts as one line of seven numbers, and back.
QByteArray TellingRegel(const StressTelling& t);
bool LeesTelling(const QByteArray& tekst, StressTelling& t);
void TelBij(const StressTelling& t, StressTelling& totaal);

// A child killed mid-commit leaves its action in the journal: taking the lock finishes it.
bool HerstelAfgebroken();
// Prints every finding of the integrity check of the record and till files
// (overlapping stays among them) and returns how many there were.
int MeldBevindingen();
