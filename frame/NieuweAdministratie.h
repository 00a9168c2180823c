#pragma once
// The entry point through which the host sets up a new, empty administration:
// the module writes the standard rate type and the current year's standard
// period through its own master-data write paths. False, after the module's
// own message, when they could not be written.

#include "frame/Export.h"

extern "C" {
RSV_EXPORT bool NieuweAdministratie();
}
