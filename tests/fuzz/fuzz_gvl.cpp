// The grid layout (.gvl) reader and the workstation's kept widths, over a
// file made from fuzzer bytes.

#include "host/ui/GvlLayout.h"
#include "tests/fuzz/FuzzAdministratie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    qputenv("RSV_MACHINE_CONFIG", FuzzMap().toUtf8());
    const QString pad = FuzzMap() + "/fuzz.gvl";
    SchrijfBestand(pad, data, size);
    std::optional<std::vector<GvlKolom>> kolommen = LeesGvl(pad);
    if (kolommen) {
        SchrijfBestand(WerkplekGvl(pad), data, size);
        LeesWerkplekBreedtes(pad, *kolommen);
    }
    return 0;
}
