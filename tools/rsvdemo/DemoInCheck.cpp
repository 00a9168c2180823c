#include "tools/rsvdemo/DemoInCheck.h"

#include <cstdio>

#include "host/base/EBrRuntime.h"
#include "host/records/Locks.h"
#include "reservation/ReserveringSchrijver.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvInCheck.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvResRgl.h"

namespace {

constexpr int kPerJaar = brlib::tfPerJaar;

template <class Stappen>
bool AlsActie(Stappen stappen)
{
    try {
        brlib::RsvActie actie;
        if (!actie.Locked())
            return false;
        stappen();
        actie.Commit();
        return true;
    } catch (const EBrRuntime& e) {
        std::fprintf(stderr, "rsvdemo: %s\n", e.Message().toLocal8Bit().constData());
        return false;
    }
}

int32_t NieuweInCheck(const JaarNr& reservering, int32_t regelNr, TDateTime aankomst, TDateTime vertrek)
{
    RecordCache<WIN_rsv_incheck> inCheck(Bestanden::InCheck, kPerJaar, false, false);
    WIN_rsv_incheck rcd{};
    rcd.hfdNr = reservering.nr;
    rcd.rglNr = regelNr;
    rcd.ZetInCheckDatum(aankomst + 15.0 / 24);
    if (vertrek > 0) {
        rcd.uitgecheckt = 1;
        rcd.ZetUitCheckDatum(vertrek + 10.5 / 24);
    }
    rcd.wijzigTeller = 1;
    const int32_t nr = inCheck.RecordCount(reservering.jaar) + 1;
    inCheck.Store(reservering.jaar, nr, rcd);
    return nr;
}

}  // namespace

bool DemoInChecken(const JaarNr& reservering, TDateTime aankomst, TDateTime vertrek)
{
    return AlsActie([&] {
        RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, kPerJaar, false, false);
        RecordCache<WIN_rsv_res_rgl> rgl(Bestanden::ResRgl, kPerJaar, false, false);
        WIN_rsv_res_rgl regel{};
        for (int32_t nr = rgl.EersteRecord(reservering.jaar, regel, hfd, reservering.nr, 0); nr != 0;
             nr = rgl.NextRecord(reservering.jaar, 0, regel)) {
            regel.inCheckNr = NieuweInCheck(reservering, nr, aankomst, vertrek);
            ++regel.wijzigTeller;
            rgl.Store(reservering.jaar, nr, regel);
        }
        WIN_rsv_res_hfd kop = hfd.Record(reservering);
        kop.status = vertrek > 0 ? 2 : 1;
        ++kop.wijzigTeller;
        hfd.Store(reservering, kop);
    });
}

bool DemoVoorRegistratie(const JaarNr& reservering, int32_t kamerNr, const QStringList& regels)
{
    return AlsActie([&] {
        brlib::stVoorReg voorReg;
        voorReg.kamerNr = kamerNr;
        voorReg.regels = regels;
        ReserveringSchrijver schrijver;
        schrijver.WijzigKop(reservering,
                            [&](WIN_rsv_res_hfd& kop) { schrijver.SchrijfVoorRegs(kop, reservering, {voorReg}); });
    });
}
