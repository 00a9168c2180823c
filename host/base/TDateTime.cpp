#include "host/base/TDateTime.h"

#include <cmath>

namespace {
const QDate kEpoch(1899, 12, 30);
constexpr double kSecondsPerDay = 86400.0;
}

TDateTime FromQDate(const QDate& d)
{
    return d.isValid() ? static_cast<double>(kEpoch.daysTo(d)) : 0.0;
}

QDate ToQDate(TDateTime d)
{
    return kEpoch.addDays(static_cast<qint64>(std::floor(d)));
}

TDateTime EncodeDate(int jaar, int maand, int dag)
{
    return FromQDate(QDate(jaar, maand, dag));
}

TDateTime EncodeDateTime(int jaar, int maand, int dag, int uur, int minuut, int seconde)
{
    return EncodeDate(jaar, maand, dag) + (uur * 3600 + minuut * 60 + seconde) / kSecondsPerDay;
}

TDateTime DateOf(TDateTime d)
{
    return std::floor(d);
}

DagTijd SplitsDagTijd(TDateTime d)
{
    const double dag = std::floor(d);
    const auto seconden = static_cast<int>(std::lround((d - dag) * kSecondsPerDay));
    return seconden == static_cast<int>(kSecondsPerDay) ? DagTijd{dag + 1, 0} : DagTijd{dag, seconden};
}

QDateTime ToQDateTime(TDateTime d)
{
    const auto [dag, seconden] = SplitsDagTijd(d);
    return QDateTime(ToQDate(dag), QTime::fromMSecsSinceStartOfDay(seconden * 1000));
}

TDateTime FromQDateTime(const QDateTime& d)
{
    const QTime t = d.time();
    return FromQDate(d.date()) + (t.hour() * 3600 + t.minute() * 60 + t.second()) / kSecondsPerDay;
}

int Jaar(TDateTime d) { return ToQDate(d).year(); }
int DagNr(TDateTime d) { return ToQDate(d).dayOfYear(); }
int WeekNr(TDateTime d) { return ToQDate(d).weekNumber(); }
int DagVanWeek(TDateTime d) { return ToQDate(d).dayOfWeek(); }
