// The text-list reader: the line coding on its own, and the lists of a
// text-list file made from fuzzer bytes.

#include "host/base/AdminDir.h"
#include "host/base/EBrRuntime.h"
#include "host/records/TekstLijst.h"
#include "host/records/TekstLijstCodering.h"
#include "tests/fuzz/FuzzAdministratie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    brlib::DecodeerRegels(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QString pad = FuzzMap() + "/tekst.tkt";
    SchrijfBestand(pad, data, size);
    ZetAdminDir(FuzzMap());
    brlib::WerkstationScope scope(std::make_shared<brlib::Werkstation>(FuzzMap()));
    for (int32_t nr = 1; nr <= int32_t(size / sizeof(brlib::DOS_tkst_dsk_strukt)) && nr <= 64; ++nr) {
        try {
            brlib::LeesTekstLijstFile(QStringLiteral("tekst.tkt"), JaarNr(0, nr));
        } catch (const EBrRuntime&) {
        }
    }
    return 0;
}
