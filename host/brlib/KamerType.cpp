#include "host/brlib/KamerType.h"

#include "host/brlib/Stempel.h"
#include "store/RecordTekst.h"

namespace brlib {

stKamerType stKamerType::UitRecord(int32_t nr, const WIN_rsv_kamertype& rcd)
{
    stKamerType type;
    type.recNr = nr;
    type.stempel = rcd.stempel;
    type.code = LeesTekst(rcd.code);
    type.omschr = LeesTekst(rcd.omschr);
    return type;
}

WIN_rsv_kamertype stKamerType::GetRcd() const
{
    WIN_rsv_kamertype rcd{};
    rcd.recNr = recNr;
    rcd.inGebruik = 1;
    ZetTekst(rcd.code, code);
    ZetTekst(rcd.omschr, omschr);
    rcd.stempel = NieuweStempel(stempel);
    return rcd;
}

}  // namespace brlib
