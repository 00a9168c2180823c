#pragma once
// Dates in memory: days since 30 December 1899, the time of day as the fraction.

#include <QDate>
#include <QDateTime>

using TDateTime = double;

TDateTime EncodeDate(int jaar, int maand, int dag);
TDateTime EncodeDateTime(int jaar, int maand, int dag, int uur, int minuut, int seconde);
TDateTime DateOf(TDateTime d);  // the day without its time
QDate ToQDate(TDateTime d);
TDateTime FromQDate(const QDate& d);
QDateTime ToQDateTime(TDateTime d);
// The day and the seconds since its midnight, rounded to whole seconds (so a
// time that rounds to 24:00 is midnight of the next day), without the costly
// time-zone lookups of a local QDateTime.
struct DagTijd {
    TDateTime dag;
    int seconden;
};
DagTijd SplitsDagTijd(TDateTime d);
TDateTime FromQDateTime(const QDateTime& d);

int Jaar(TDateTime d);
int DagNr(TDateTime d);       // day of its year, 1 = 1 January: the day-pointer index
int WeekNr(TDateTime d);      // ISO 8601 week
int DagVanWeek(TDateTime d);  // ISO: 1 = Monday .. 7 = Sunday
