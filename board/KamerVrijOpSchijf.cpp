#include "board/KamerVrijOpSchijf.h"

#include "store/KettingFout.h"

namespace bord {

namespace {

// Whether one day's chain holds a line on the room that overlaps [begin, eind).
bool DagHeeftOverlap(RecordCache<WIN_rsv_res_rgl>& regels, RecordCache<WIN_rsv_dagnr_rgl_pnt>& dagen, TDateTime dag,
                     int32_t kamerNr, TDateTime begin, TDateTime eind)
{
    const int32_t jaar = Jaar(dag);
    const int32_t dagNr = DagNr(dag);
    if (dagNr > dagen.RecordCount(jaar))
        return false;
    int32_t over = regels.RecordCount(jaar);
    WIN_rsv_res_rgl regel{};
    for (int32_t nr = regels.EersteRecord(jaar, regel, dagen, dagNr, 0); nr != 0;
         nr = regels.NextRecord(jaar, 1, regel)) {
        if (over-- <= 0)
            GooiKettingLus(regels.Impl(), jaar, "KamerVrijOpSchijf");
        if (regel.kamerNr == kamerNr && begin < regel.EindDatum() && eind > regel.BeginDatum())
            return true;
    }
    return false;
}

}  // namespace

bool KamerVrijOpSchijf(RecordCache<WIN_rsv_res_rgl>& regels, RecordCache<WIN_rsv_dagnr_rgl_pnt>& dagen,
                       int32_t kamerNr, TDateTime begin, TDateTime eind)
{
    for (TDateTime dag = begin - kMaxNachten; dag < eind; dag += 1)
        if (DagHeeftOverlap(regels, dagen, dag, kamerNr, begin, eind))
            return false;
    return true;
}

}  // namespace bord
