#include "reports/ReserveringScan.h"

#include <algorithm>
#include <vector>

#include "host/brlib/DagKettingLoper.h"
#include "host/brlib/RsvReservering.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvResHfd.h"

namespace rapport {

namespace {

using Koppen = RecordCache<WIN_rsv_res_hfd>;

// Whether the header is of one of `soorten` and its stay touches the days.
class KopKeuze {
public:
    KopKeuze(const ScanBereik& bereik, std::initializer_list<int> soorten)
        : van_(DatumVolgorde(DateToDatum(bereik.van))), tot_(DatumVolgorde(DateToDatum(bereik.tot))), soorten_(soorten)
    {
    }

    bool Past(const WIN_rsv_res_hfd& kop) const
    {
        const int soort = kop.soort;
        return std::find(soorten_.begin(), soorten_.end(), soort) != soorten_.end() &&
               DatumVolgorde(kop.beginDatum) <= tot_ && DatumVolgorde(kop.eindDatum) >= van_;
    }

private:
    uint32_t van_;
    uint32_t tot_;
    std::initializer_list<int> soorten_;
};

// Every header of the years, for long spans.
std::vector<JaarNr> UitJaren(Koppen& koppen, const ScanBereik& bereik, const KopKeuze& keuze)
{
    std::vector<JaarNr> gevonden;
    for (int jaar = bereik.eersteJaar; jaar <= bereik.laatsteJaar; ++jaar)
        koppen.Scan(jaar, 1, [&](int32_t, int32_t nr, const WIN_rsv_res_hfd& kop) {
            if (keuze.Past(kop))
                gevonden.emplace_back(jaar, nr);
            return true;
        });
    return gevonden;
}

// For a few days: a header hangs under its begin day in the files of that
// day's year (a period change never moves it into another year) and a stay
// lasts at most 49 nights, so the chains of the days from 49 before the span
// hold every header that touches it.
std::vector<JaarNr> UitDagen(Koppen& koppen, const ScanBereik& bereik, const KopKeuze& keuze)
{
    RecordCache<WIN_rsv_dagnr_hfd_pnt> dagen(Bestanden::DagHfd, brlib::tfPerJaar, true, true);
    brlib::DagKettingLoper<WIN_rsv_res_hfd, WIN_rsv_dagnr_hfd_pnt, 0> loper(koppen, dagen,
                                                                           QStringLiteral("ScanReserveringen"));
    std::vector<JaarNr> gevonden;
    for (TDateTime dag = DateOf(bereik.van) - brlib::RsvReservering::kMaxNachten; dag <= bereik.tot; dag += 1)
        loper.Loop(dag, [&](int jaar, int32_t nr, const WIN_rsv_res_hfd& kop) {
            if (keuze.Past(kop))
                gevonden.emplace_back(jaar, nr);
        });
    return gevonden;
}

}  // namespace

void ScanReserveringen(const ScanBereik& bereik, std::initializer_list<int> soorten, unsigned opties,
                       const std::function<void(const brlib::RsvReservering&)>& bezoek)
{
    Koppen koppen(Bestanden::ResHfd, brlib::tfPerJaar, true, true);
    const KopKeuze keuze(bereik, soorten);
    // The headers first, then the reads: a read must not disturb the walk over the headers.
    const bool kort = bereik.tot - bereik.van <= brlib::RsvReservering::kMaxNachten;
    const std::vector<JaarNr> gevonden = kort ? UitDagen(koppen, bereik, keuze) : UitJaren(koppen, bereik, keuze);
    brlib::RsvReserveringCursorRandom cursor;
    for (const JaarNr& sleutel : gevonden)
        bezoek(cursor.At(sleutel, opties));
}

}  // namespace rapport
