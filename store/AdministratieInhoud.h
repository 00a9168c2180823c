#pragma once
// Every record file of the current administration read into memory, for the
// integrity check: the per-year files of every year that has any, and the
// single files.

#include <vector>

#include "store/BestandInhoud.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvGroepHfd.h"
#include "store/WinRsvGroepSub.h"
#include "store/WinRsvInCheck.h"
#include "store/WinRsvKamer.h"
#include "store/WinRsvKamerType.h"
#include "store/WinRsvPersoon.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvResRgl.h"
#include "store/WinRsvTarief.h"
#include "store/WinRsvTariefPnt.h"
#include "store/WinRsvTariefSoort.h"
#include "store/WinRsvVoorReg.h"

struct JaarBestanden {
    int32_t jaar = 0;
    Inhoud<WIN_rsv_res_hfd> hfd;
    Inhoud<WIN_rsv_res_rgl> rgl;
    Inhoud<WIN_rsv_dagnr_hfd_pnt> dagHfd;
    Inhoud<WIN_rsv_dagnr_rgl_pnt> dagRgl;
    Inhoud<WIN_rsv_voorreg> voorReg;
    Inhoud<WIN_rsv_incheck> inCheck;
    Inhoud<WIN_rsv_tarief> tarief;
    Inhoud<WIN_rsv_tariefpnt> tariefPnt;
};

struct AdministratieInhoud {
    std::vector<JaarBestanden> jaren;
    Inhoud<WIN_rsv_groep_hfd> groepHfd;
    Inhoud<WIN_rsv_groep_sub> groepSub;
    Inhoud<WIN_rsv_persoon> persoon;
    Inhoud<WIN_rsv_kamer> kamer;
    Inhoud<WIN_rsv_kamertype> kamerType;
    Inhoud<WIN_rsv_tariefsoort> tariefSoort;

    const JaarBestanden* Jaar(int32_t jaar) const;
};

// Unreadable files are reported and left empty (marked unreadable).
AdministratieInhoud LeesAdministratie(Rapport& rapport);
