#include "checkin/InCheckToestand.h"

#include <algorithm>

namespace incheck {

QString StatusTekst(const brlib::stRes& kamer)
{
    if (!IsIngecheckt(kamer))
        return {};
    return IsUitgecheckt(kamer) ? QStringLiteral("Uitgechecked") : QStringLiteral("Ingechecked");
}

int StatusVanKamers(const std::vector<brlib::stRes>& kamers, int huidigeStatus)
{
    if (huidigeStatus == 99)
        return 99;
    const auto n = kamers.size();
    const auto in = std::count_if(kamers.begin(), kamers.end(), IsIngecheckt);
    const auto uit = std::count_if(kamers.begin(), kamers.end(), IsUitgecheckt);
    int status = 0;
    if (size_t(in) == n)
        status = 1;
    if (size_t(uit) == n)
        status = 2;
    return status;
}

}  // namespace incheck
