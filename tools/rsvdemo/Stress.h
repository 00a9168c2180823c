#pragma once
// `rsvdemo stress DIR --workstations N --bookings M --seed S`: N child
// processes book at once in one administration; afterwards the parent checks
// that the files are whole and no room is booked twice. With `--progress K`
// each child writes "voortgang PID N" to standard error after every K
// bookings, so that a test can kill it while it is provably still booking.
// `rsvdemo stress-werkplek DIR --bookings M --seed S --progress K` is one such child.

#include <QStringList>

// The arguments after the sub-command; returns the exit code: 0 clean, 1 when
// the integrity check has findings (a double booking among them), 2 bad usage.
int StressRun(const QStringList& args);
int StressWerkplekRun(const QStringList& args);
