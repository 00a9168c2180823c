#pragma once
// The package's registration with the host: its seven open functions in a fixed
// order and its print layout.

#include "frame/Export.h"
#include "host/ui/ModuleInterface.h"

extern "C" {
// Calls `callback` once per open function, in table order, with `context`
// unchanged; registers the print layout again; returns true.
RSV_EXPORT bool RegisterFunc(TRegisterCallback callback, void* context);
}

// Registers the print layout "rsv" ("Reserveringen"). Also done when the
// library is loaded.
void RegistreerAfdrukLayout();
