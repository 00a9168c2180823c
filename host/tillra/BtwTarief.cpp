#include "host/tillra/BtwTarief.h"

namespace Tillra {

namespace {

// Before `sinds`; a moment of 0 is no date and takes today's rates.
bool Voor(TDateTime moment, TDateTime sinds) { return moment > 0 && moment < sinds; }

}  // namespace

double BtwTarief(int btwCode, TDateTime moment)
{
    switch (btwCode) {
    case BTW_LAAG:
        return Voor(moment, EncodeDate(2019, 1, 1)) ? 0.06 : 0.09;
    case BTW_HOOG:
        return Voor(moment, EncodeDate(2012, 10, 1)) ? 0.19 : 0.21;
    default:
        return 0.0;
    }
}

}  // namespace Tillra
