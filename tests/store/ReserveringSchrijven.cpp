#include "tests/store/ReserveringSchrijven.h"

#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvResRgl.h"

namespace {

constexpr int f = brlib::tfPerJaar;

// Day pointer records must exist up to the day before a chain can hang under it.
template <class P>
void ZorgVoorDag(RecordCache<P>& pnt, int32_t jaar, int32_t dag)
{
    for (int32_t nr = pnt.RecordCount(jaar) + 1; nr <= dag; ++nr)
        pnt.Store(jaar, nr, P{});
}

}  // namespace

int32_t SchrijfReservering(TDateTime begin, int32_t eersteKamer, int nachten)
{
    RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, f, false, false);
    RecordCache<WIN_rsv_res_rgl> rgl(Bestanden::ResRgl, f, false, false);
    RecordCache<WIN_rsv_dagnr_hfd_pnt> dagHfd(Bestanden::DagHfd, f, false, false);
    RecordCache<WIN_rsv_dagnr_rgl_pnt> dagRgl(Bestanden::DagRgl, f, false, false);
    const int32_t jaar = Jaar(begin);
    const int32_t dag = DagNr(begin);
    ZorgVoorDag(dagHfd, jaar, dag);
    ZorgVoorDag(dagRgl, jaar, dag);

    const int32_t resNr = hfd.RecordCount(jaar) + 1;
    WIN_rsv_res_hfd kop{};
    kop.ZetBeginDatum(begin);
    kop.ZetEindDatum(begin + nachten);
    kop.dagNr = static_cast<uint16_t>(dag);
    kop.aantalRegels = 2;
    kop.wijzigTeller = 1;
    hfd.Store(jaar, resNr, kop);
    hfd.VoegAchterKetting(jaar, resNr, 0, dagHfd, dag, 0);

    for (int32_t kamer : {eersteKamer, eersteKamer + 1}) {
        WIN_rsv_res_rgl regel{};
        regel.hfdNr = resNr;
        regel.ZetBeginDatum(begin);
        regel.ZetEindDatum(begin + nachten);
        regel.dagNr = static_cast<uint16_t>(dag);
        regel.kamerNr = kamer;
        regel.personen = 2;
        const int32_t nr = rgl.GetFreeRecord(jaar);
        rgl.Store(jaar, nr, regel);
        rgl.VoegAchterKetting(jaar, nr, 0, hfd, resNr, 0);
        rgl.VoegAchterKetting(jaar, nr, 1, dagRgl, dag, 0);
    }
    return resNr;
}
