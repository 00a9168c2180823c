#include "host/brlib/KamerBezetting.h"

#include <algorithm>

#include "host/base/EBrRuntime.h"
#include "host/brlib/RsvReservering.h"
#include "store/Bestanden.h"

namespace brlib {

namespace {

[[noreturn]] void DagKettingBeschadigd(int jaar, int dag)
{
    throw EBrRuntime(QStringLiteral("De reserveringen van dag %1 van %2 zijn beschadigd.").arg(dag).arg(jaar),
                     QStringLiteral("ZoekKamerBezetting(long,TDateTime,TDateTime,JaarNr)"));
}

// Calls f(jaar, regelNr, record) for every line that arrives on `dag`. The
// records are looked at in the cache, not copied, and the record counts are
// asked once per year: a walk over 52 days meets thousands of lines.
// `f` must not use the caches: the record it gets lives until their next call.
class DagLoper {
public:
    DagLoper(RecordCache<WIN_rsv_res_rgl>& regels, RecordCache<WIN_rsv_dagnr_rgl_pnt>& dagen)
        : regels_(regels), dagen_(dagen)
    {
    }

    template <class F>
    void Loop(TDateTime dag, F f)
    {
        const int jaar = Jaar(dag);
        if (jaar != jaar_) {
            jaar_ = jaar;
            dagAantal_ = dagen_.RecordCount(jaar);
            regelAantal_ = regels_.RecordCount(jaar);
        }
        const int dagNr = DagNr(dag);
        if (dagNr > dagAantal_)
            return;
        int32_t nr = dagen_.Record(jaar, dagNr).eerste;
        for (int32_t over = regelAantal_; nr != 0; --over) {
            if (over <= 0 || nr > regelAantal_)
                DagKettingBeschadigd(jaar, dagNr);
            const WIN_rsv_res_rgl& rcd = regels_.Record(jaar, nr);
            const int32_t volgende = rcd.volgendeDag;
            f(jaar, nr, rcd);
            nr = volgende;
        }
    }

private:
    RecordCache<WIN_rsv_res_rgl>& regels_;
    RecordCache<WIN_rsv_dagnr_rgl_pnt>& dagen_;
    int jaar_ = 0;
    int32_t dagAantal_ = 0;
    int32_t regelAantal_ = 0;
};

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
    DagLoper loper(regels, dagen);
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
