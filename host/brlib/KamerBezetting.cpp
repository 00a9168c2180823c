#include "host/brlib/KamerBezetting.h"

#include <algorithm>

#include "host/brlib/DagKettingLoper.h"
#include "host/brlib/RsvReservering.h"
#include "store/Bestanden.h"

namespace brlib {

namespace {

// The day chain of the lines is their chain 1.
using RegelLoper = DagKettingLoper<WIN_rsv_res_rgl, WIN_rsv_dagnr_rgl_pnt, 1>;

// Whether `rcd` holds room `kamerNr` on some day of [begin, eind).
bool HoudtKamer(const WIN_rsv_res_rgl& rcd, int32_t kamerNr, TDateTime begin, TDateTime eind)
{
    return rcd.kamerNr == kamerNr && rcd.BeginDatum() < eind && rcd.EindDatum() > begin;
}

// Calls f for every line that can hold a day of [begin, eind): those arriving
// from the longest stay before `begin` up to the day before `eind`.
template <class F>
void LoopPeriode(RecordCache<WIN_rsv_res_rgl>& regels, RecordCache<WIN_rsv_dagnr_rgl_pnt>& dagen, TDateTime begin,
                 TDateTime eind, F f)
{
    RegelLoper loper(regels, dagen, QStringLiteral("ZoekKamerBezetting(long,TDateTime,TDateTime,JaarNr)"));
    for (TDateTime dag = DateOf(begin) - RsvReservering::kMaxNachten; dag < eind; dag += 1)
        loper.Loop(dag, f);
}

// The lines that hold a day of [begin, eind) and that `past` accepts.
template <class Past>
std::vector<stBezetting> Bezetting(TDateTime begin, TDateTime eind, Past past)
{
    RecordCache<WIN_rsv_res_rgl> regels(Bestanden::ResRgl, tfPerJaar, true, true);
    RecordCache<WIN_rsv_dagnr_rgl_pnt> dagen(Bestanden::DagRgl, tfPerJaar, true, true);
    std::vector<stBezetting> bezet;
    LoopPeriode(regels, dagen, begin, eind, [&](int jaar, int32_t nr, const WIN_rsv_res_rgl& rcd) {
        const JaarNr res(jaar, rcd.hfdNr);
        if (past(res, rcd) && rcd.BeginDatum() < eind && rcd.EindDatum() > begin)
            bezet.push_back({res, nr, rcd.BeginDatum(), rcd.EindDatum()});
    });
    return bezet;
}

}  // namespace

std::vector<stBezetting> ZoekKamerBezetting(int32_t kamerNr, TDateTime begin, TDateTime eind, JaarNr behalve)
{
    return Bezetting(begin, eind, [&](const JaarNr& res, const WIN_rsv_res_rgl& rcd) {
        return res != behalve && rcd.kamerNr == kamerNr;
    });
}

std::vector<stBezetting> ZoekBezetting(TDateTime begin, TDateTime eind)
{
    return Bezetting(begin, eind, [](const JaarNr&, const WIN_rsv_res_rgl&) { return true; });
}

bool KamersVrij(RecordCache<WIN_rsv_res_rgl>& regels, RecordCache<WIN_rsv_dagnr_rgl_pnt>& dagen,
                const std::vector<stRes>& gevraagd)
{
    if (gevraagd.empty())
        return true;
    TDateTime begin = gevraagd.front().begin;
    TDateTime eind = gevraagd.front().eind;
    for (const stRes& regel : gevraagd) {
        begin = std::min(begin, regel.begin);
        eind = std::max(eind, regel.eind);
    }
    bool vrij = true;
    LoopPeriode(regels, dagen, begin, eind, [&](int, int32_t, const WIN_rsv_res_rgl& rcd) {
        for (const stRes& regel : gevraagd)
            if (HoudtKamer(rcd, regel.kamerNr, regel.begin, regel.eind))
                vrij = false;
    });
    return vrij;
}

}  // namespace brlib
