#include "host/tillra/ArtikelSource.h"

#include <algorithm>

#include "host/tillra/ArtikelRecord.h"
#include "host/tillra/KassaActie.h"
#include "host/tillra/KassaBestanden.h"
#include "store/RecordCache.h"
#include "store/RecordTekst.h"

namespace Tillra {

namespace {

using ArtikelCache = RecordCache<sa_artikel>;

std::vector<ArtikelKaart> LeesKaarten(ArtikelCache& cache)
{
    std::vector<ArtikelKaart> kaarten;
    cache.Scan(1, [&](int32_t nr, const sa_artikel& rcd) {
        if (rcd.inGebruik)
            kaarten.push_back({rcd.artikelNr, nr, LeesTekst(rcd.omschrijving), LeesTekst(rcd.referentie),
                               rcd.prijsIncl, rcd.btwCode});
        return true;
    });
    return kaarten;
}

sa_artikel AlsRecord(const ArtikelKaart& kaart)
{
    sa_artikel rcd{};
    rcd.artikelNr = kaart.artikelNr;
    ZetTekst(rcd.omschrijving, kaart.omschrijving);
    ZetTekst(rcd.referentie, kaart.referentie);
    rcd.prijsIncl = kaart.prijsIncl;
    rcd.btwCode = static_cast<uint16_t>(kaart.btwCode);
    rcd.inGebruik = 1;
    return rcd;
}

}  // namespace

ArtikelSource::ArtikelSource()
{
    ArtikelCache cache(KassaBestanden::Artikel, brlib::tfEenBestand, true, true);
    kaarten_ = LeesKaarten(cache);
}

bool ArtikelSource::ReadKaartNr(int32_t artikelNr)
{
    return Kies([&](const ArtikelKaart& k) { return k.artikelNr == artikelNr; });
}

bool ArtikelSource::ReadRecord(int32_t artikelId)
{
    return Kies([&](const ArtikelKaart& k) { return k.artikelId == artikelId; });
}

bool ArtikelSource::Kies(const std::function<bool(const ArtikelKaart&)>& past)
{
    auto it = std::find_if(kaarten_.begin(), kaarten_.end(), past);
    if (it == kaarten_.end())
        return false;
    kaart_ = *it;
    return true;
}

bool ArtikelSource::VoegToe(ArtikelKaart& kaart, QString& fout)
{
    return KassaActie(
        [&](QString& reden) {
            ArtikelCache cache(KassaBestanden::Artikel, brlib::tfEenBestand, false, false);
            const auto kaarten = LeesKaarten(cache);
            if (std::any_of(kaarten.begin(), kaarten.end(), [&](const ArtikelKaart& k) { return k.artikelNr == kaart.artikelNr; })) {
                reden = QStringLiteral("Artikelnummer %1 bestaat al.").arg(kaart.artikelNr);
                return false;
            }
            const int32_t nr = cache.RecordCount() + 1;
            cache.Store(nr, AlsRecord(kaart));
            kaart.artikelId = nr;
            return true;
        },
        fout);
}

}  // namespace Tillra
