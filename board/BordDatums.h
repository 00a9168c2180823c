#pragma once
// Dates on the board: the day-of-week rule (ISO Monday..Sunday, or Sunday..Saturday),
// week starts, month navigation and the mapping of dates to grid columns.
// Column c shows start + (c - 2); the two room columns get dates too, which
// their backgrounds and separator lines use.

#include <cmath>

#include "host/base/TDateTime.h"

namespace bord {

// Whole days of a date; the board ignores the time of day. Inline: it runs for
// every loaded line.
inline int DagGetal(TDateTime d) { return static_cast<int>(std::floor(d)); }

// 1..7: Monday..Sunday when `iso`, else Sunday..Saturday.
int WeekDag(TDateTime d, bool iso);
// Day 7 of its week: the day after which the dark separator line runs.
bool IsLaatsteWeekDag(TDateTime d, bool iso);
// `d` moved back to day 1 of its week.
TDateTime WeekBegin(TDateTime d, bool iso);
// The first week start on or after day 1 of the month before (richting -1) or
// after (+1) the month of `start`, across year ends.
TDateTime MaandStap(TDateTime start, int richting, bool iso);

// The date shown in grid column `kolom`.
TDateTime KolomDatum(TDateTime start, int kolom);
// Day index of `d` from the start date (0 = start), in whole days.
int DagIndex(TDateTime start, TDateTime d);

}  // namespace bord
