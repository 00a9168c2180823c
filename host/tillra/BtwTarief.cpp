#include "host/tillra/BtwTarief.h"

namespace Tillra {

double BtwTarief(int btwCode, TDateTime moment)
{
    switch (btwCode) {
    case BTW_LAAG:
        return moment < EncodeDate(2019, 1, 1) ? 0.06 : 0.09;
    case BTW_HOOG:
        return moment < EncodeDate(2012, 10, 1) ? 0.19 : 0.21;
    default:
        return 0.0;
    }
}

}  // namespace Tillra
