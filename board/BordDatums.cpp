#include "board/BordDatums.h"

#include <cmath>

#include "board/BordToestand.h"

namespace bord {

int WeekDag(TDateTime d, bool iso)
{
    const int isoDag = DagVanWeek(d);
    return iso ? isoDag : isoDag % 7 + 1;
}

bool IsLaatsteWeekDag(TDateTime d, bool iso)
{
    return WeekDag(d, iso) == 7;
}

TDateTime WeekBegin(TDateTime d, bool iso)
{
    return DagGetal(d) - (WeekDag(d, iso) - 1);
}

TDateTime MaandStap(TDateTime start, int richting, bool iso)
{
    const QDate maand = ToQDate(start).addMonths(richting);
    const TDateTime eerste = EncodeDate(maand.year(), maand.month(), 1);
    const int dag = WeekDag(eerste, iso);
    return dag == 1 ? eerste : eerste + (8 - dag);
}

TDateTime KolomDatum(TDateTime start, int kolom)
{
    return DagGetal(start) + (kolom - kVasteKolommen);
}

int DagIndex(TDateTime start, TDateTime d)
{
    return DagGetal(d) - DagGetal(start);
}

}  // namespace bord
