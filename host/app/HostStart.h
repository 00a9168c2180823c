#pragma once
// The run of rsvhost after the command line is read: checks the administration,
// loads the package and opens what the options ask. Returns the exit code:
// 0, or 2 with a Dutch message on stderr (and in a box when there is a screen).

#include "host/app/HostOptions.h"

int StartHost(const HostOptions& opties);

// Why `dir` cannot serve as the administration directory; empty when it can.
QString AdminMapProbleem(const QString& dir);

// Tells the user: always on stderr, in a message box too when there is a screen.
void MeldFout(const QString& tekst);
