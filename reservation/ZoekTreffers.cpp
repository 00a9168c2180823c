#include "reservation/ZoekTreffers.h"

#include <algorithm>

#include "host/brlib/ResStatus.h"
#include "host/brlib/RsvReservering.h"
#include "host/records/FindFiles.h"
#include "reservation/GastNaamScan.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResHfd.h"

namespace zoek {

namespace {

using HfdCache = RecordCache<WIN_rsv_res_hfd>;

std::vector<int32_t> JarenMetKoppen()
{
    QStringList bestanden;
    std::vector<int32_t> jaren;
    brlib::FindFiles(Bestanden::ResHfd, brlib::tfPerJaar, bestanden, jaren);
    return jaren;
}

ZoekTreffer Treffer(int32_t jaar, int32_t nr, const WIN_rsv_res_hfd& kop)
{
    return {JaarNr(jaar, nr), kop.BeginDatum(), kop.EindDatum()};
}

}  // namespace

std::vector<ZoekTreffer> ZoekPerJaar(int jaar, bool metDatums)
{
    std::vector<ZoekTreffer> treffers;
    if (!metDatums) {
        const int32_t aantal = brlib::GetReserveringCount(jaar);
        for (int32_t nr = 1; nr <= aantal; ++nr)
            treffers.push_back({JaarNr(jaar, nr)});
        return treffers;
    }
    HfdCache(Bestanden::ResHfd, brlib::tfPerJaar, true, true).Scan(jaar, 1, [&](int32_t j, int32_t nr, const auto& kop) {
        treffers.push_back(Treffer(j, nr, kop));
        return true;
    });
    return treffers;
}

std::vector<ZoekTreffer> ZoekOpDatum(TDateTime datum)
{
    // A reservation lives in the files of its begin year and stays at most
    // 49 nights, so older years cannot hold the date.
    const int eersteJaar = Jaar(datum - brlib::RsvReservering::kMaxNachten);
    const uint32_t dag = DatumVolgorde(DateToDatum(datum));
    std::vector<ZoekTreffer> treffers;
    HfdCache koppen(Bestanden::ResHfd, brlib::tfPerJaar, true, true);
    for (int32_t jaar : JarenMetKoppen()) {
        if (jaar < eersteJaar || jaar > Jaar(datum))
            continue;
        koppen.Scan(jaar, 1, [&](int32_t j, int32_t nr, const WIN_rsv_res_hfd& kop) {
            if (DatumVolgorde(kop.beginDatum) <= dag && dag <= DatumVolgorde(kop.eindDatum))
                treffers.push_back(Treffer(j, nr, kop));
            return true;
        });
    }
    return treffers;
}

std::vector<ZoekTreffer> ZoekOpNaam(const QString& naam)
{
    std::vector<ZoekTreffer> treffers;
    const NaamFilter filter(naam);
    for (int32_t jaar : JarenMetKoppen())
        ScanGastNamen(jaar, [&](int32_t nr, const WIN_rsv_res_hfd& kop, QByteArrayView eersteRegel) {
            if (filter.Past(eersteRegel))
                treffers.push_back(Treffer(jaar, nr, kop));
        });
    return treffers;
}

std::vector<ZoekTreffer> Zoek(const ZoekVraag& vraag)
{
    std::vector<ZoekTreffer> treffers;
    switch (vraag.modus) {
    case ZoekModus::PerJaar:
        treffers = ZoekPerJaar(vraag.jaar, vraag.kolom == SorteerKolom::BeginDatum);
        break;
    case ZoekModus::OpDatum:
        treffers = ZoekOpDatum(vraag.datum);
        break;
    case ZoekModus::OpNaam:
        treffers = ZoekOpNaam(vraag.naam);
        break;
    }
    Sorteer(treffers, vraag.kolom, vraag.orde);
    return treffers;
}

void Sorteer(std::vector<ZoekTreffer>& treffers, SorteerKolom kolom, SorteerOrde orde)
{
    const auto sleutel = [kolom](const ZoekTreffer& t) {
        return kolom == SorteerKolom::BeginDatum ? std::pair(t.begin, t.nr) : std::pair(TDateTime(0), t.nr);
    };
    const bool oplopend = orde == SorteerOrde::Oplopend;
    std::sort(treffers.begin(), treffers.end(), [&](const ZoekTreffer& a, const ZoekTreffer& b) {
        return oplopend ? sleutel(a) < sleutel(b) : sleutel(b) < sleutel(a);
    });
}

}  // namespace zoek
