#pragma once
// The first start: of an administration that does not exist yet or is empty,
// and of this workstation.

#include <QString>

class ModulePackage;
class QWidget;

// Asks whether to make a new administration in `dir` (the module writes the
// standard rate type and period, see frame/NieuweAdministratie.h) or else to
// fill it with the demo administration (rsvdemo beside this program). Makes
// `dir` the current administration. False, with `fout` in Dutch, when the user
// chose neither or it failed.
bool RichtAdministratieIn(const QString& dir, ModulePackage& package, QString& fout);

// Whether `dir` is missing or holds no files yet.
bool IsNieuweAdministratie(const QString& dir);

// Asks the workstation's name once; kept in MachineSettings "Werkplek", "Naam".
void VraagWerkplekNaam(QWidget* owner);
QString WerkplekNaam();
