#include "host/tillra/Kleur.h"

#include <algorithm>
#include <cmath>

namespace Tillra {

namespace {

uint32_t LichterKanaal(uint32_t waarde, double fractie)
{
    return static_cast<uint32_t>(std::lround(waarde + (255 - waarde) * fractie));
}

}  // namespace

TColor Lighten(TColor kleur, double fractie)
{
    fractie = std::clamp(fractie, 0.0, 1.0);
    TColor uit = 0;
    for (int schuif = 0; schuif <= 16; schuif += 8)
        uit |= LichterKanaal((kleur >> schuif) & 0xFF, fractie) << schuif;
    return uit;
}

}  // namespace Tillra
