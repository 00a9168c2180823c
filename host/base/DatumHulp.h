#pragma once
// Calendar helpers of the forms: weeks (ISO or Sunday-based), months and the
// days a week or a month covers. All results are dates without a time of day.

#include "host/base/TDateTime.h"

struct DatumBereik {
    TDateTime eerste = 0;
    TDateTime laatste = 0;  // inclusive
    int Dagen() const { return static_cast<int>(laatste - eerste) + 1; }
};

// Day of the week: with isoWeek Monday = 1 .. Sunday = 7, else Sunday = 1 .. Saturday = 7.
int WeekDag(TDateTime d, bool isoWeek);
TDateTime BeginVanWeek(TDateTime d, bool isoWeek);
// `d` itself when it starts a week, else the start of the next week.
TDateTime WeekBeginVanaf(TDateTime d, bool isoWeek);

TDateTime EersteVanMaand(TDateTime d);
TDateTime LaatsteVanMaand(TDateTime d);
int DagenInMaand(int jaar, int maand);
// Moves by whole months; a day that the target month lacks becomes its last day.
TDateTime PlusMaanden(TDateTime d, int maanden);

DatumBereik DagenVanMaand(int jaar, int maand);
int WekenInJaar(int jaar);  // ISO: 52 or 53
// ISO week `week` of `jaar`, `dag` 1 = Monday .. 7 = Sunday; may fall in a neighbouring year.
TDateTime JaarWeekNrDagNaarDatum(int jaar, int week, int dag);
DatumBereik DagenVanWeek(int jaar, int week);

void GetDMJ(TDateTime d, int& dag, int& maand, int& jaar);
