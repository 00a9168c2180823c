#pragma once
// `rsvdemo soak DIR --workstations N --seconds S --seed S`: N workstation
// processes book, edit, cancel, move, shift, group and check in and out at
// random on one administration for S seconds, and are killed and started
// again at random meanwhile. At the end: the integrity check (overlaps among
// it), and a summary of what each workstation did. A workstation that stops
// by itself or reports nothing for longer than the lock timeout (plus a margin
// for the action itself) is a finding too. Exit status 0 clean, 1 findings, 2 bad usage.

#include <QStringList>

int SoakRun(const QStringList& args);
