#include "store/AdministratieInhoud.h"

#include <algorithm>
#include <set>

#include "host/records/FindFiles.h"
#include "store/Bestanden.h"

namespace {

const char* const kPerJaarBestanden[] = {Bestanden::ResHfd,  Bestanden::ResRgl,  Bestanden::DagHfd,
                                          Bestanden::DagRgl,  Bestanden::InCheck, Bestanden::VoorReg,
                                          Bestanden::Periode, Bestanden::Tarief,  Bestanden::TariefPnt};

// Years for which any of the module's per-year files exists.
std::vector<int32_t> JarenMetBestanden()
{
    std::set<int32_t> jaren;
    for (const char* bestand : kPerJaarBestanden) {
        QStringList paden;
        std::vector<int32_t> vanBestand;
        brlib::FindFiles(bestand, brlib::tfPerJaar, paden, vanBestand);
        jaren.insert(vanBestand.begin(), vanBestand.end());
    }
    return {jaren.begin(), jaren.end()};
}

JaarBestanden LeesJaar(int32_t jaar, Rapport& rapport)
{
    using namespace Bestanden;
    constexpr int f = brlib::tfPerJaar;
    return {jaar,
            LeesInhoud<WIN_rsv_res_hfd>(ResHfd, f, jaar, rapport),
            LeesInhoud<WIN_rsv_res_rgl>(ResRgl, f, jaar, rapport),
            LeesInhoud<WIN_rsv_dagnr_hfd_pnt>(DagHfd, f, jaar, rapport),
            LeesInhoud<WIN_rsv_dagnr_rgl_pnt>(DagRgl, f, jaar, rapport),
            LeesInhoud<WIN_rsv_voorreg>(VoorReg, f, jaar, rapport),
            LeesInhoud<WIN_rsv_incheck>(InCheck, f, jaar, rapport),
            LeesInhoud<WIN_rsv_tarief>(Tarief, f, jaar, rapport),
            LeesInhoud<WIN_rsv_tariefpnt>(TariefPnt, f, jaar, rapport)};
}

}  // namespace

const JaarBestanden* AdministratieInhoud::Jaar(int32_t jaar) const
{
    const auto it = std::find_if(jaren.begin(), jaren.end(), [&](const JaarBestanden& j) { return j.jaar == jaar; });
    return it == jaren.end() ? nullptr : &*it;
}

AdministratieInhoud LeesAdministratie(Rapport& rapport)
{
    using namespace Bestanden;
    constexpr int f = brlib::tfEenBestand;
    AdministratieInhoud inhoud{{},
                               LeesInhoud<WIN_rsv_groep_hfd>(GroepHfd, f, 0, rapport),
                               LeesInhoud<WIN_rsv_groep_sub>(GroepSub, f, 0, rapport),
                               LeesInhoud<WIN_rsv_persoon>(Persoon, f, 0, rapport),
                               LeesInhoud<WIN_rsv_kamer>(Kamer, f, 0, rapport),
                               LeesInhoud<WIN_rsv_kamertype>(KamerType, f, 0, rapport),
                               LeesInhoud<WIN_rsv_tariefsoort>(TariefSoort, f, 0, rapport)};
    for (int32_t jaar : JarenMetBestanden())
        inhoud.jaren.push_back(LeesJaar(jaar, rapport));
    return inhoud;
}
