#include "host/base/RecordDate.h"

DOS_datum_type DateToDatum(TDateTime d)
{
    if (DateOf(d) == 0)
        return {};
    const QDate q = ToQDate(d);
    return {static_cast<uint8_t>(q.day()), static_cast<uint8_t>(q.month()), static_cast<uint16_t>(q.year())};
}

TDateTime DatumToDate(const DOS_datum_type& d)
{
    const QDate q(d.jaar, d.maand, d.dag);
    return q.isValid() ? FromQDate(q) : 0.0;
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
