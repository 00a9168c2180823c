#pragma once
// The record writes of a registration: reservation headers with their texts,
// their lines, the day chains and group members. The caller holds the
// reservation lock; every store belongs to its open action.

#include <cstdint>
#include <vector>

#include "host/brlib/Res.h"
#include "host/records/RecordCacheImpl.h"
#include "reservation/ResGegevens.h"
#include "store/RecordCache.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvGroepHfd.h"
#include "store/WinRsvGroepSub.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvResRgl.h"

namespace bord {

class ReserveringSchrijver {
public:
    ReserveringSchrijver();

    // The free test under the lock, on the same caches the writes use.
    bool KamersVrij(const std::vector<brlib::stRes>& regels);

    // The number the next group gets.
    int32_t NieuwGroepNr() { return grpHfd_.RecordCount() + 1; }

    // Stores one reservation holding `regels` (all with one period) and returns
    // its key. `aantalRegels` is the line count of the whole registration.
    JaarNr SchrijfReservering(const std::vector<const brlib::stRes*>& regels, const ResGegevens& gegevens,
                              int aantalRegels, int32_t groepNr);

    // Adds the reservation to group `groepNr` (made with its first member).
    void VoegToeAanGroep(int32_t groepNr, const JaarNr& reservering);

private:
    static WIN_rsv_res_hfd NieuweKop(const std::vector<const brlib::stRes*>& regels, const ResGegevens& gegevens,
                                     int aantalRegels, int32_t groepNr);
    // Guest data (or the relation card's labels and values) and the extra text.
    void SchrijfTeksten(WIN_rsv_res_hfd& kop, const ResGegevens& gegevens, const JaarNr& reservering);
    void SchrijfRegel(const brlib::stRes& regel, int soort, const JaarNr& reservering);

    RecordCache<WIN_rsv_res_hfd> hfd_;
    RecordCache<WIN_rsv_res_rgl> rgl_;
    RecordCache<WIN_rsv_dagnr_hfd_pnt> dagHfd_;
    RecordCache<WIN_rsv_dagnr_rgl_pnt> dagRgl_;
    RecordCache<WIN_rsv_groep_hfd> grpHfd_;
    RecordCache<WIN_rsv_groep_sub> grpSub_;
    brlib::RecordCacheImpl gegTekst_;
    brlib::RecordCacheImpl extTekst_;
    brlib::RecordCacheImpl relTekst_;
};

}  // namespace bord
