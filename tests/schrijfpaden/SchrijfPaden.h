#pragma once
// Every write path of the module as one named step, each driven through the
// module's own write units (no forms), on the demo administration that
// `rsvdemo DIR` makes with RSV_VANDAAG=2026-03-10. The crash test runs a step
// in a child process that is killed part-way; the fault test runs it in
// process on a file system that fails a write.

#include <functional>
#include <string>
#include <QString>
#include <QStringList>
#include <vector>

struct SchrijfPad {
    QString naam;
    // True when the step stored its change. A write unit that reports a disk
    // error by throwing passes EBrRuntime on; one that shows it, shows it.
    std::function<bool()> voerUit;
    // The step learns its outcome by reading the reservation back, so a power
    // cut between its commit and that read leaves the outcome unknown.
    bool leestTerug = false;
};

const std::vector<SchrijfPad>& SchrijfPaden();
// The names of the steps in one group ("boeken", "bord", "gegevens", "inchecken", "stam").
QStringList PadenVanGroep(const QString& groep);
std::vector<std::string> PadGroepen();
const SchrijfPad* VindPad(const QString& naam);
