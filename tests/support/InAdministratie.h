#pragma once
// Runs `doe` with `dir` as the current administration, on a workstation of its
// own, and makes the previous administration current again afterwards.

#include <memory>
#include <QString>

#include "host/base/AdminDir.h"
#include "host/records/Werkstation.h"

template <class F>
auto InAdministratie(const QString& dir, F&& doe)
{
    struct Terug {
        QString vorige = HuidigeAdminDir();
        ~Terug() { ZetAdminDir(vorige); }
    } terug;
    ZetAdminDir(dir);
    brlib::WerkstationScope scope(std::make_shared<brlib::Werkstation>(dir));
    return doe();
}
