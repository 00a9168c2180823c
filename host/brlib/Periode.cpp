#include "host/brlib/Periode.h"

#include "store/RecordTekst.h"

namespace brlib {

stPeriode stPeriode::Standaard(int jaar)
{
    stPeriode periode;
    periode.omschr = QStringLiteral("Standaard");
    periode.begin = EncodeDate(jaar, 1, 1);
    periode.eind = EncodeDate(jaar, 12, 31);
    return periode;
}

stPeriode stPeriode::UitRecord(int32_t nr, const WIN_rsv_periode& rcd)
{
    stPeriode periode;
    periode.recNr = nr;
    periode.omschr = LeesTekst(rcd.omschr);
    periode.begin = rcd.BeginDatum();
    periode.eind = rcd.EindDatum();
    return periode;
}

WIN_rsv_periode stPeriode::GetRcd() const
{
    WIN_rsv_periode rcd{};
    rcd.recNr = recNr;
    ZetTekst(rcd.omschr, omschr);
    rcd.ZetBeginDatum(begin);
    rcd.ZetEindDatum(eind);
    return rcd;
}

}  // namespace brlib
