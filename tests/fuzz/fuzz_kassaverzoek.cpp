// The till server's request parser and handling: any line gets an answer
// line, also on an administration without till files.

#include "host/base/AdminDir.h"
#include "host/kassaserver/KassaVerzoek.h"
#include "tests/fuzz/FuzzAdministratie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZetAdminDir(FuzzMap());
    brlib::WerkstationScope scope(std::make_shared<brlib::Werkstation>(FuzzMap()));
    BeantwoordVerzoek(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)), 1);
    return 0;
}
