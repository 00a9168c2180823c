#include "checkin/RelatieKeuze.h"

namespace incheck {

RelatieKeuze& HostRelatieKeuze()
{
    static RelatieKeuze keuze;
    return keuze;
}

}  // namespace incheck
