#pragma once
// A module package (libReservering.so) loaded at run time: its registered open
// functions and its exported entry points. The library stays loaded for the life
// of the process, since its forms and factories live in it.

#include <vector>
#include <QLibrary>
#include <QString>

#include "host/ui/ModuleInterface.h"

class ModulePackage {
public:
    struct Function {
        QString key;
        TOpenFunc open;
    };

    // Looks for the package beside `binDir` or in `binDir`/../lib, loads it and
    // calls its RegisterFunc. On failure `fout` says why, in Dutch.
    bool Load(const QString& binDir, QString& fout);

    QString FileName() const { return lib_.fileName(); }
    const std::vector<Function>& Functions() const { return functions_; }
    TOpenFunc FindFunction(const QString& key) const;  // null when not registered

    // Whether a call request's package file ("reservering.bpl", "Reservering.bpl")
    // names this package: the base name without "lib", in any case.
    bool Matches(const QString& packageFile) const;
    // An exported symbol; a leading underscore (the decoration in requests) is dropped.
    QFunctionPointer Resolve(const QString& symbol);

private:
    static bool RegisterCallback(void* context, const QString& key, TOpenFunc open);

    QLibrary lib_;
    std::vector<Function> functions_;
};
