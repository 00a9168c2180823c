#include "checkin/ResStatusOpslag.h"

#include "checkin/InCheckToestand.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/records/UpdateCount.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResHfd.h"

namespace incheck {

int BepaalStatus(const JaarNr& reservering)
{
    brlib::RsvReserveringCursorRandom cursor;
    const brlib::RsvReservering& res = cursor.At(reservering, brlib::roInChecks);
    return StatusVanKamers(res.kamerRegels, res.status == brlib::rsGeannuleerd ? 99 : int(res.status));
}

void StatusOpslaan(brlib::RsvReservering& res)
{
    const int status = BepaalStatus(res.sleutel);
    RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, brlib::tfPerJaar, false, false);
    WIN_rsv_res_hfd kop = hfd.Record(res.sleutel);
    kop.status = static_cast<uint16_t>(static_cast<int16_t>(status));
    ++kop.wijzigTeller;
    hfd.Store(res.sleutel, kop);
    res.status = status == 99 ? brlib::rsGeannuleerd : static_cast<brlib::e_ResStatus>(status);
    res.wijzigTeller = kop.wijzigTeller;
    brlib::RsvChangeUpdateCount();
}

}  // namespace incheck
