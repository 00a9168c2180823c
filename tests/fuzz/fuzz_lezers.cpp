// The readers of master data and reservations over an administration made
// from fuzzer bytes: a damaged file raises EBrRuntime, nothing else.

#include "host/base/EBrRuntime.h"
#include "host/brlib/Inlezen.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/brlib/ResStatus.h"
#include "tests/fuzz/FuzzAdministratie.h"

namespace {

template <class F>
void Probeer(F&& lees)
{
    try {
        lees();
    } catch (const EBrRuntime&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzAdministratie admin(data, size);
    std::vector<brlib::stKamerType> types;
    Probeer([] {
        std::vector<brlib::stTariefSoort> soorten;
        brlib::InlezenTariefSoorten(soorten);
    });
    Probeer([] {
        std::vector<brlib::stKamer> kamers;
        brlib::InlezenKamers(kamers);
    });
    Probeer([] {
        std::vector<brlib::stPeriode> periodes;
        brlib::InlezenPeriodes(2026, periodes);
    });
    Probeer([&] { brlib::InlezenKamerTypes(types); });
    for (brlib::stKamerType& type : types)
        Probeer([&] { brlib::InlezenKamerTypeTarieven(2026, type); });
    Probeer([] {
        brlib::RsvReserveringCursorRandom cursor;
        const int32_t aantal = std::min<int32_t>(brlib::GetReserveringCount(2026), 64);
        for (int32_t nr = 1; nr <= aantal; ++nr)
            Probeer([&] { cursor.At(2026, nr, brlib::roAlles); });
    });
    return 0;
}
