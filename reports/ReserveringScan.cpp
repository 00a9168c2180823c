#include "reports/ReserveringScan.h"

#include <algorithm>
#include <vector>

#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResHfd.h"

namespace rapport {

void ScanReserveringen(const ScanBereik& bereik, std::initializer_list<int> soorten, unsigned opties,
                       const std::function<void(const brlib::RsvReservering&)>& bezoek)
{
    RecordCache<WIN_rsv_res_hfd> koppen(Bestanden::ResHfd, brlib::tfPerJaar, true, true);
    brlib::RsvReserveringCursorRandom cursor;
    const uint32_t van = DatumVolgorde(DateToDatum(bereik.van));
    const uint32_t tot = DatumVolgorde(DateToDatum(bereik.tot));
    for (int jaar = bereik.eersteJaar; jaar <= bereik.laatsteJaar; ++jaar) {
        // The headers first, then the reads: a read must not disturb the scan's batch.
        std::vector<int32_t> nummers;
        koppen.Scan(jaar, 1, [&](int32_t, int32_t nr, const WIN_rsv_res_hfd& kop) {
            const int soort = kop.soort;
            if (std::find(soorten.begin(), soorten.end(), soort) != soorten.end() &&
                DatumVolgorde(kop.beginDatum) <= tot && DatumVolgorde(kop.eindDatum) >= van)
                nummers.push_back(nr);
            return true;
        });
        for (int32_t nr : nummers)
            bezoek(cursor.At(jaar, nr, opties));
    }
}

}  // namespace rapport
