#include "host/tillra/Afronding.h"

#include <cmath>

namespace Tillra {

double rondaf(double waarde, int decimalen)
{
    const double schaal = std::pow(10.0, decimalen);
    const double geschaald = waarde * schaal;
    const double nudge = std::copysign(1e-7, geschaald);
    return std::round(geschaald + nudge) / schaal;
}

}  // namespace Tillra
