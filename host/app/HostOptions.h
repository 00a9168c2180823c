#pragma once
// The command line of rsvhost.
//   --admin DIR        the administration directory (else RSV_ADMIN)
//   --open KEY         opens a registered function at start
//   --standalone       the planning board alone, full screen
//   --list-functions   prints the registered keys and exits
//   --screenshot FILE  with --open: renders the opened form to a PNG and exits

#include <optional>
#include <QString>
#include <QStringList>

struct HostOptions {
    QString admin;
    QString open;
    QString screenshot;
    bool standalone = false;
    bool listFunctions = false;

    // Whether the run needs no screen (it prints or renders and exits).
    bool ZonderScherm() const { return listFunctions || !screenshot.isEmpty(); }
};

// `args` without the program name. On a mistake: nothing, and `fout` in Dutch.
std::optional<HostOptions> ParseHostOptions(const QStringList& args, QString& fout);
