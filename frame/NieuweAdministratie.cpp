#include "frame/NieuweAdministratie.h"

#include "host/base/HuidigeDatum.h"
#include "masterdata/PeriodeOpslag.h"
#include "masterdata/TariefSoortOpslag.h"

bool NieuweAdministratie()
{
    std::vector<brlib::stTariefSoort> soorten;
    LeesTariefSoorten(soorten);  // writes the standard rate type when there is none
    if (soorten.empty())
        return false;
    const int jaar = HuidigeDatum::Object().Jaar();
    std::vector<brlib::stPeriode> periodes;
    LeesPeriodes(jaar, periodes);
    return SlaPeriodesOp(jaar, periodes);
}
