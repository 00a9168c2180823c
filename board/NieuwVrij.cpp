#include "board/NieuwVrij.h"

#include <algorithm>

namespace bord {

namespace {

struct Periode {
    TDateTime begin;
    TDateTime eind;
};

Periode Geordend(const brlib::stRes& item)
{
    return {std::min(item.begin, item.eind), std::max(item.begin, item.eind)};
}

bool InHalfOpen(TDateTime d, Periode p) { return d >= p.begin && d < p.eind; }
bool InHalfDicht(TDateTime d, Periode p) { return d > p.begin && d <= p.eind; }

// Written out per end point rather than as one overlap test, so that a line
// of no nights yet (begin == end while dragging) counts as well.
bool Botst(Periode regel, Periode item)
{
    return InHalfOpen(regel.begin, item) || InHalfDicht(regel.eind, item) || InHalfOpen(item.begin, regel) ||
           InHalfDicht(item.eind, regel);
}

}  // namespace

bool KamerBezet(const std::vector<brlib::stRes>& items, int32_t kamerNr, TDateTime begin, TDateTime eind)
{
    return std::any_of(items.begin(), items.end(), [&](const brlib::stRes& item) {
        return item.kamerNr == kamerNr && item.eind > begin && item.begin < eind;
    });
}

bool RegelVrij(const std::vector<brlib::stRes>& items, size_t regel)
{
    const brlib::stRes& nieuw = items[regel];
    const Periode periode = Geordend(nieuw);
    for (size_t i = 0; i < items.size(); ++i)
        if (i != regel && items[i].kamerNr == nieuw.kamerNr && Botst(periode, Geordend(items[i])))
            return false;
    return true;
}

}  // namespace bord
