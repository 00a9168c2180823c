#include "tools/rsvdemo/DemoInCheck.h"

#include <cstdio>

#include "checkin/InCheckOpslag.h"
#include "checkin/InCheckToestand.h"
#include "checkin/ResStatusOpslag.h"
#include "checkin/SlotActie.h"
#include "checkin/UitCheck.h"
#include "host/base/EBrRuntime.h"
#include "host/base/HuidigeDatum.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/records/Locks.h"
#include "reservation/ReserveringSchrijver.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvVoorReg.h"
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

// The guest of the stay: the reservation's first guest data line.
brlib::stPersoon Gast(const brlib::RsvReservering& res)
{
    brlib::stPersoon gast;
    gast.waarden = {res.gastRegels.value(0)};
    return gast;
}

void CheckUit(brlib::RsvReservering& res)
{
    incheck::SlotActie actie({QStringLiteral("rsv"), QStringLiteral("reg")});
    if (!actie.Locked())
        throw EBrRuntime(QStringLiteral("De reservering is vergrendeld."), QStringLiteral("DemoInChecken"));
    for (const brlib::stRes& kamer : res.kamerRegels)
        if (!incheck::UitcheckOpslaan(kamer, true) ||
            (incheck::IsGeregistreerd(kamer) && !incheck::RegistratieAfhandelen(kamer)))
            throw EBrRuntime(QStringLiteral("Uitchecken mislukt."), QStringLiteral("DemoInChecken"));
    incheck::StatusOpslaan(res);
    actie.Commit();
}

}  // namespace

bool DemoInChecken(const JaarNr& reservering, TDateTime aankomst, TDateTime vertrek)
{
    try {
        brlib::RsvReserveringCursorRandom cursor;
        brlib::RsvReservering res = cursor.At(reservering, brlib::roAlles);
        {
            const HuidigeDatumVast dag(aankomst);
            for (int kamer = 0; kamer < int(res.kamerRegels.size()); ++kamer)
                if (incheck::InCheckOpslaan(res, {kamer, {Gast(res)}, false}) != incheck::InCheckUitkomst::Opgeslagen)
                    return false;
            if (!AlsActie([&] { incheck::StatusOpslaan(res); }))
                return false;
        }
        if (vertrek > 0) {
            const HuidigeDatumVast dag(vertrek);
            CheckUit(res);
        }
        return true;
    } catch (const EBrRuntime& e) {
        std::fprintf(stderr, "rsvdemo: %s\n", e.Message().toLocal8Bit().constData());
        return false;
    }
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
