#include "checkin/InCheckToestand.h"

#include <algorithm>
#include <QTime>

namespace incheck {

QString DatumTijdTekst(TDateTime moment)
{
    if (moment == 0)
        return {};
    const DagTijd dt = SplitsDagTijd(moment);
    return ToQDate(dt.dag).toString(QStringLiteral("dd-MM-yyyy")) +
           QTime(0, 0).addSecs(dt.seconden).toString(QStringLiteral(" (hh:mm)"));
}

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
