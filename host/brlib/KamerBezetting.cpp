#include "host/brlib/KamerBezetting.h"

#include "host/base/EBrRuntime.h"
#include "host/brlib/RsvReservering.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvResRgl.h"

namespace brlib {

namespace {

[[noreturn]] void DagKettingBeschadigd(int jaar, int dag)
{
    throw EBrRuntime(QStringLiteral("De reserveringen van dag %1 van %2 zijn beschadigd.").arg(dag).arg(jaar),
                     QStringLiteral("ZoekKamerBezetting(long,TDateTime,TDateTime,JaarNr)"));
}

class DagKetting {
public:
    DagKetting()
        : pnt_(Bestanden::DagRgl, tfPerJaar, true, true), rgl_(Bestanden::ResRgl, tfPerJaar, true, true)
    {
    }

    // Calls f(regelNr, record) for every line that arrives on `dag`.
    template <class F>
    void Loop(TDateTime dag, F f)
    {
        const int jaar = Jaar(dag);
        const int dagNr = DagNr(dag);
        if (dagNr > pnt_.RecordCount(jaar))
            return;
        const int32_t aantal = rgl_.RecordCount(jaar);
        int32_t stappen = 0;
        WIN_rsv_res_rgl rcd{};
        for (int32_t nr = rgl_.EersteRecord(jaar, rcd, pnt_, dagNr, 1); nr != 0; nr = rgl_.NextRecord(jaar, 1, rcd)) {
            if (++stappen > aantal)
                DagKettingBeschadigd(jaar, dagNr);
            f(jaar, nr, rcd);
        }
    }

private:
    RecordCache<WIN_rsv_dagnr_rgl_pnt> pnt_;
    RecordCache<WIN_rsv_res_rgl> rgl_;
};

}  // namespace

std::vector<stBezetting> ZoekKamerBezetting(int32_t kamerNr, TDateTime begin, TDateTime eind, JaarNr behalve)
{
    std::vector<stBezetting> bezet;
    DagKetting ketting;
    for (TDateTime dag = DateOf(begin) - RsvReservering::kMaxNachten; dag < eind; dag += 1) {
        ketting.Loop(dag, [&](int jaar, int32_t nr, const WIN_rsv_res_rgl& rcd) {
            const JaarNr res(jaar, rcd.hfdNr);
            if (rcd.kamerNr != kamerNr || res == behalve)
                return;
            const TDateTime b = rcd.BeginDatum();
            const TDateTime e = rcd.EindDatum();
            if (b < eind && e > begin)
                bezet.push_back({res, nr, b, e});
        });
    }
    return bezet;
}

}  // namespace brlib
