#pragma once
// Shared by the tests of moves, period changes and group changes: stored
// reservations to change, as the board knows them, and what the disk holds
// afterwards. Every test ends with the integrity check (RegistratieTest).

#include "board/GroepToekenning.h"
#include "board/PeriodeWijziging.h"
#include "board/Verplaatsing.h"
#include "host/brlib/VoorRegistratie.h"
#include "host/records/Locks.h"
#include "reservation/ReserveringSchrijver.h"
#include "tests/board/registratie/RegistratieTest.h"

class WijzigTest : public RegistratieTest {
protected:
    // One stored reservation with one room.
    JaarNr BoekKamer(int32_t kamer, TDateTime begin, TDateTime eind)
    {
        const bord::RegistratieResultaat r = Boek({Regel(kamer, begin, eind)});
        EXPECT_TRUE(r.opgeslagen);
        return r.opgeslagen ? r.reserveringen[0] : JaarNr();
    }

    static int32_t RegelNr(const JaarNr& res, size_t i = 0)
    {
        ReserveringSchrijver s;
        return s.RegelNummers(res).at(i);
    }

    // The whole first line of `res` as the board holds it, to a new room.
    static bord::Verplaatsing Verplaatsing(const JaarNr& res, int32_t naar, TDateTime vanaf = 0)
    {
        bord::Verplaatsing v;
        v.reservering = res;
        v.regelNr = RegelNr(res);
        const WIN_rsv_res_rgl rcd = RegelsVan(res).at(0);
        v.begin = rcd.BeginDatum();
        v.eind = rcd.EindDatum();
        v.bronKamer = rcd.kamerNr;
        v.nieuweKamer = naar;
        v.vanaf = vanaf;
        v.tellerBekend = true;
        v.wijzigTeller = Kop(res).wijzigTeller;
        return v;
    }

    static bord::PeriodeWijziging Periode(const JaarNr& res, TDateTime begin, TDateTime eind)
    {
        return {res, begin, eind, true, Kop(res).wijzigTeller};
    }

    // Names a guest for `kamer` before arrival, as the details form does.
    static void ZetVoorReg(const JaarNr& res, int32_t kamer, const QStringList& regels)
    {
        brlib::stVoorReg voorReg;
        voorReg.kamerNr = kamer;
        voorReg.regels = regels;
        brlib::RsvActie actie;
        ASSERT_TRUE(actie.Locked());
        ReserveringSchrijver s;
        s.WijzigKop(res, [&](WIN_rsv_res_hfd& kop) { s.SchrijfVoorRegs(kop, res, {voorReg}); });
        actie.Commit();
    }

    static std::vector<brlib::stVoorReg> VoorRegs(const JaarNr& res)
    {
        std::vector<brlib::stVoorReg> lijst;
        brlib::RsvGetVoorRegistratie(res, lijst);
        return lijst;
    }

    static std::vector<int32_t> LijnenOpDag(TDateTime dag)
    {
        return Dagketting<WIN_rsv_res_rgl, WIN_rsv_dagnr_rgl_pnt>(Bestanden::ResRgl, Bestanden::DagRgl, 1, dag);
    }

    static std::vector<int32_t> KoppenOpDag(TDateTime dag)
    {
        return Dagketting<WIN_rsv_res_hfd, WIN_rsv_dagnr_hfd_pnt>(Bestanden::ResHfd, Bestanden::DagHfd, 0, dag);
    }
};
