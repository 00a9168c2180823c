#include "host/base/RecordDate.h"

DOS_datum_type DateToDatum(TDateTime d)
{
    if (DateOf(d) == 0)
        return {};
    const QDate q = ToQDate(d);
    return {static_cast<uint8_t>(q.day()), static_cast<uint8_t>(q.month()), static_cast<uint16_t>(q.year())};
}

namespace {

int MaandLengte(int jaar, int maand)
{
    static constexpr int kDagen[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool schrikkel = (jaar % 4 == 0 && jaar % 100 != 0) || jaar % 400 == 0;
    return maand == 2 && schrikkel ? 29 : kDagen[maand - 1];
}

// Days since 1 January 1970 of a Gregorian date, by arithmetic: this runs for
// every line a board or list loads, and a calendar object costs far more.
int64_t DagenSinds1970(int jaar, int maand, int dag)
{
    const int j = maand <= 2 ? jaar - 1 : jaar;
    const int era = (j >= 0 ? j : j - 399) / 400;
    const int jaarInEra = j - era * 400;
    const int dagInJaar = (153 * (maand > 2 ? maand - 3 : maand + 9) + 2) / 5 + dag - 1;
    const int dagInEra = jaarInEra * 365 + jaarInEra / 4 - jaarInEra / 100 + dagInJaar;
    return int64_t(era) * 146097 + dagInEra - 719468;
}

constexpr int kTDateTime1970 = 25569;  // TDateTime of 1 January 1970

}  // namespace

TDateTime DatumToDate(const DOS_datum_type& d)
{
    const int jaar = d.jaar, maand = d.maand, dag = d.dag;
    if (jaar == 0 || maand < 1 || maand > 12 || dag < 1 || dag > MaandLengte(jaar, maand))
        return 0.0;
    return double(DagenSinds1970(jaar, maand, dag) + kTDateTime1970);
}

DOS_datumtijd_type DateToDatumTijd(TDateTime d)
{
    if (DateOf(d) == 0)
        return {};
    const auto [dag, seconden] = SplitsDagTijd(d);
    return {DateToDatum(dag), static_cast<uint8_t>(seconden / 3600), static_cast<uint8_t>(seconden / 60 % 60),
            static_cast<uint8_t>(seconden % 60)};
}

TDateTime DatumTijdToDate(const DOS_datumtijd_type& d)
{
    const TDateTime dag = DatumToDate(d.datum);
    if (dag == 0)
        return 0.0;
    return dag + (d.uur * 3600 + d.minuut * 60 + d.seconde) / 86400.0;
}
