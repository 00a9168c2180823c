#pragma once
// The till's rounding: half away from zero, after a tiny nudge so that values
// such as 2.675 (stored as 2.67499...) round the way a cashier expects.

namespace Tillra {

double rondaf(double waarde, int decimalen);

}  // namespace Tillra
