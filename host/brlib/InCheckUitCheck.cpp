#include "host/brlib/InCheckUitCheck.h"

#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvInCheck.h"

namespace brlib {

bool IncheckOpslaanUitCheck(const stInCheck& inCheck, bool uitgecheckt, TDateTime moment)
{
    const JaarNr sleutel = inCheck.sleutel;
    RecordCache<WIN_rsv_incheck> cache(Bestanden::InCheck, tfPerJaar, false, false);
    if (sleutel.nr < 1 || sleutel.nr > cache.RecordCount(sleutel.jaar))
        return false;
    WIN_rsv_incheck rcd = cache.Record(sleutel);
    if (rcd.wijzigTeller != inCheck.wijzigTeller)
        return false;
    rcd.uitgecheckt = uitgecheckt ? 1 : 0;
    rcd.uitCheckDatum = DateToDatumTijd(uitgecheckt ? moment : TDateTime(0));
    ++rcd.wijzigTeller;
    cache.Store(sleutel, rcd);
    return true;
}

}  // namespace brlib
