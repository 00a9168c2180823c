#include "board/BordCellen.h"

#include <algorithm>
#include <utility>

#include "board/BordDatums.h"

namespace bord {

namespace {

// The status bit an arrival or departure half gets: pending wins over new.
uint8_t HelftBit(const brlib::stRes& item)
{
    return item.voorlopig ? kStatusVoorlopig : item.nieuw ? kStatusLicht : 0;
}

// One day `d` of a line [b, e] into its cell at `index`.
void VulDag(RoomDayCells& rij, int index, int d, int b, int e, const brlib::stRes& item, int itemNr)
{
    uint8_t k = rij.soort[index];
    uint8_t s = rij.status[index];
    const bool midden = b < d && d < e;
    if (d == b) {
        k = k == celVertrek ? celWissel : celAankomst;
        s |= HelftBit(item);
    }
    if (d == e) {
        k = k == celAankomst || k == celWissel ? celWissel : celVertrek;
        s |= HelftBit(item) << 4;
    }
    if (midden) {
        k = celHeel;
        s = item.nieuw ? 0x11 : item.voorlopig ? 0x22 : s;
    }
    rij.soort[index] = k;
    rij.status[index] = s;
    if (d == b || midden)
        rij.eerste[index] = itemNr;
    if (d == e || midden)
        rij.tweede[index] = itemNr;
}

// Room number to row for one build: a flat table when the numbers lie close
// enough together (thousands of lookups per build), else the state's index.
class RijZoeker {
public:
    explicit RijZoeker(const BordToestand& t) : t_(t)
    {
        if (t.kamers.empty())
            return;
        const auto [laag, hoog] = std::minmax_element(t.kamers.begin(), t.kamers.end(),
            [](const brlib::stKamer& a, const brlib::stKamer& b) { return a.kamerNr < b.kamerNr; });
        const int64_t breedte = int64_t(hoog->kamerNr) - laag->kamerNr + 1;
        if (breedte > 4 * int64_t(t.kamers.size()) + 1024)
            return;
        laagste_ = laag->kamerNr;
        rijen_.assign(size_t(breedte), -1);
        for (size_t i = t.kamers.size(); i-- > 0;)
            rijen_[size_t(t.kamers[i].kamerNr - laagste_)] = static_cast<int>(i);
    }

    int Rij(int32_t kamerNr) const
    {
        if (rijen_.empty())
            return t_.KamerIndex(kamerNr);
        const int64_t plek = int64_t(kamerNr) - laagste_;
        return plek >= 0 && plek < int64_t(rijen_.size()) ? rijen_[size_t(plek)] : -1;
    }

private:
    const BordToestand& t_;
    int32_t laagste_ = 0;
    std::vector<int> rijen_;
};

void PlaatsItem(BordToestand& t, const RijZoeker& rijen, int itemNr, int start)
{
    const brlib::stRes& item = t.items[itemNr];
    int b = DagGetal(item.begin);
    int e = DagGetal(item.eind);
    if (e < b)
        std::swap(b, e);
    const int laatste = start + kCelDagen - 1;
    if (b > laatste || e < start)
        return;
    const int rij = rijen.Rij(item.kamerNr);
    if (rij < 0)
        return;
    for (int d = std::max(b, start); d <= std::min(e, laatste); ++d)
        VulDag(t.cellen[rij], d - start, d, b, e, item, itemNr);
}

}  // namespace

bool BuildCells(BordToestand& toestand)
{
    toestand.IndexeerKamers();
    const RijZoeker rijen(toestand);
    toestand.cellen.resize(toestand.kamers.size());
    for (RoomDayCells& rij : toestand.cellen)
        rij.Leeg();
    const int start = DagGetal(toestand.startDatum);
    bool nieuw = false;
    for (size_t i = 0; i < toestand.items.size(); ++i) {
        nieuw = nieuw || toestand.items[i].nieuw;
        PlaatsItem(toestand, rijen, static_cast<int>(i), start);
    }
    return nieuw;
}

void MarkeerSelectie(BordToestand& toestand, JaarNr sleutel)
{
    toestand.geselecteerdeGroep = 0;
    const uint8_t licht = kStatusLicht | kStatusLicht << 4;
    for (RoomDayCells& rij : toestand.cellen)
        for (uint8_t& s : rij.status)
            s &= static_cast<uint8_t>(~licht);
    if (sleutel.IsLeeg())
        return;
    if (const brlib::stExtraRes* extra = toestand.ExtraVan(sleutel))
        toestand.geselecteerdeGroep = extra->groepNr;
    const auto vanSleutel = [&](int item) { return item >= 0 && toestand.items[item].resSleutel == sleutel; };
    for (RoomDayCells& rij : toestand.cellen)
        for (int d = 0; d < kCelDagen; ++d) {
            if (vanSleutel(rij.eerste[d]))
                rij.status[d] |= kStatusLicht;
            if (vanSleutel(rij.tweede[d]))
                rij.status[d] |= kStatusLicht << 4;
        }
}

int ItemOnderWijzer(const BordToestand& toestand, int kolom, int rij, bool rechts)
{
    const int kamer = rij - 1;
    const int dag = kolom - kVasteKolommen;
    if (kamer < 0 || kamer >= static_cast<int>(toestand.cellen.size()) || dag < 0 || dag >= kZichtbareDagen)
        return -1;
    const RoomDayCells& cellen = toestand.cellen[kamer];
    return rechts ? cellen.eerste[dag] : cellen.tweede[dag];
}

}  // namespace bord
