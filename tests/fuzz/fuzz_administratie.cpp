// The integrity check of the record and till files over an administration
// made from fuzzer bytes: it reports, it never crashes or hangs.

#include "host/base/EBrRuntime.h"
#include "host/tillra/KassaControle.h"
#include "store/Integriteit.h"
#include "tests/fuzz/FuzzAdministratie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzAdministratie admin(data, size);
    ControleerAdministratie();
    Tillra::ControleerKassaBestanden();
    return 0;
}
