#include "host/base/DatumHulp.h"

int WeekDag(TDateTime d, bool isoWeek)
{
    const int iso = DagVanWeek(d);
    return isoWeek ? iso : iso % 7 + 1;
}

TDateTime BeginVanWeek(TDateTime d, bool isoWeek)
{
    return DateOf(d) - (WeekDag(d, isoWeek) - 1);
}

TDateTime WeekBeginVanaf(TDateTime d, bool isoWeek)
{
    const int dag = WeekDag(d, isoWeek);
    return dag == 1 ? DateOf(d) : DateOf(d) + (8 - dag);
}

TDateTime EersteVanMaand(TDateTime d)
{
    const QDate q = ToQDate(d);
    return EncodeDate(q.year(), q.month(), 1);
}

TDateTime LaatsteVanMaand(TDateTime d)
{
    const QDate q = ToQDate(d);
    return EncodeDate(q.year(), q.month(), q.daysInMonth());
}

int DagenInMaand(int jaar, int maand)
{
    return QDate(jaar, maand, 1).daysInMonth();
}

TDateTime PlusMaanden(TDateTime d, int maanden)
{
    // QDate::addMonths already clips 31 January + 1 month to the end of February.
    return FromQDate(ToQDate(d).addMonths(maanden));
}

DatumBereik DagenVanMaand(int jaar, int maand)
{
    const TDateTime eerste = EncodeDate(jaar, maand, 1);
    return {eerste, LaatsteVanMaand(eerste)};
}

int WekenInJaar(int jaar)
{
    // 28 December always lies in the last ISO week of its year.
    return WeekNr(EncodeDate(jaar, 12, 28));
}

TDateTime JaarWeekNrDagNaarDatum(int jaar, int week, int dag)
{
    // 4 January always lies in ISO week 1.
    const TDateTime week1 = BeginVanWeek(EncodeDate(jaar, 1, 4), true);
    return week1 + (week - 1) * 7 + (dag - 1);
}

DatumBereik DagenVanWeek(int jaar, int week)
{
    const TDateTime maandag = JaarWeekNrDagNaarDatum(jaar, week, 1);
    return {maandag, maandag + 6};
}

void GetDMJ(TDateTime d, int& dag, int& maand, int& jaar)
{
    const QDate q = ToQDate(d);
    dag = q.day();
    maand = q.month();
    jaar = q.year();
}
