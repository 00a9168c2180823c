#include "checkin/IncheckAnnuleren.h"

#include "checkin/SlotActie.h"
#include "host/records/UpdateCount.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvInCheck.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvResRgl.h"

namespace incheck {

Annulering IncheckAnnuleren(const JaarNr& inCheck, const JaarNr& reservering, int32_t wijzigTeller)
{
    SlotActie actie({QStringLiteral("rsv")});
    if (!actie.Locked())
        return Annulering::GeenSlot;
    const int32_t jaar = inCheck.jaar;
    RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, brlib::tfPerJaar, false, false);
    RecordCache<WIN_rsv_incheck> inChecks(Bestanden::InCheck, brlib::tfPerJaar, false, false);
    RecordCache<WIN_rsv_res_rgl> rgl(Bestanden::ResRgl, brlib::tfPerJaar, false, false);
    if (hfd.Record(reservering).wijzigTeller != wijzigTeller)
        return Annulering::Gewijzigd;
    logboek::NoteerReservering(QStringLiteral("Incheck annuleren"), reservering);

    WIN_rsv_incheck rcd = inChecks.Record(inCheck);
    rcd.geannuleerd = 1;
    ++rcd.wijzigTeller;
    inChecks.Store(inCheck, rcd);
    if (rcd.rglNr > 0) {
        WIN_rsv_res_rgl regel = rgl.Record(jaar, rcd.rglNr);
        regel.inCheckNr = 0;
        ++regel.wijzigTeller;
        rgl.Store(jaar, rcd.rglNr, regel);
    }
    if (rcd.hfdNr > 0) {
        WIN_rsv_res_hfd kop = hfd.Record(jaar, rcd.hfdNr);
        // The products may be registered again at a later check-in.
        if (rcd.productenGeregistreerd && kop.productStatus == 2)
            kop.productStatus = 1;
        ++kop.wijzigTeller;
        hfd.Store(jaar, rcd.hfdNr, kop);
    }
    brlib::RsvChangeUpdateCount();
    actie.Commit();
    return Annulering::Gedaan;
}

}  // namespace incheck
