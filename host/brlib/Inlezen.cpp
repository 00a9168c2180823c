#include "host/brlib/Inlezen.h"

#include <algorithm>
#include <map>

#include "store/Bestanden.h"
#include "store/RecordCache.h"

namespace brlib {

namespace {

// Every record from 2 on that holds something (in use), in record order.
template <class Rec, class Item>
void LeesInGebruik(const char* bestand, std::vector<Item>& lijst)
{
    lijst.clear();
    RecordCache<Rec> cache(bestand, tfEenBestand, true, true);
    cache.Scan(2, [&](int32_t nr, const Rec& rcd) {
        if (rcd.inGebruik != 0)
            lijst.push_back(Item::UitRecord(nr, rcd));
        return true;
    });
}

}  // namespace

void InlezenTariefSoorten(std::vector<stTariefSoort>& lijst)
{
    LeesInGebruik<WIN_rsv_tariefsoort>(Bestanden::TariefSoort, lijst);
}

void InlezenKamerTypes(std::vector<stKamerType>& lijst)
{
    LeesInGebruik<WIN_rsv_kamertype>(Bestanden::KamerType, lijst);
}

void InlezenKamers(std::vector<stKamer>& lijst)
{
    LeesInGebruik<WIN_rsv_kamer>(Bestanden::Kamer, lijst);
    std::vector<stKamerType> types;
    InlezenKamerTypes(types);
    std::map<int32_t, stKamerType> perNr;
    for (const stKamerType& type : types)
        perNr[type.recNr] = type;
    for (stKamer& kamer : lijst) {
        const auto gevonden = perNr.find(kamer.kamerType.recNr);
        kamer.kamerType = gevonden != perNr.end() ? gevonden->second : stKamerType{};
    }
    std::stable_sort(lijst.begin(), lijst.end(),
                     [](const stKamer& a, const stKamer& b) { return a.kamerNr < b.kamerNr; });
}

void InlezenPeriodes(int jaar, std::vector<stPeriode>& lijst)
{
    lijst.clear();
    RecordCache<WIN_rsv_periode> cache(Bestanden::Periode, tfPerJaar, true, true);
    cache.Scan(jaar, 1, [&](int32_t, int32_t nr, const WIN_rsv_periode& rcd) {
        if (rcd.recNr != 0)
            lijst.push_back(stPeriode::UitRecord(nr, rcd));
        return true;
    });
    std::stable_sort(lijst.begin(), lijst.end(),
                     [](const stPeriode& a, const stPeriode& b) { return a.begin < b.begin; });
    for (size_t i = 0; i < lijst.size(); ++i)
        lijst[i].eind = i + 1 < lijst.size() ? lijst[i + 1].begin - 1 : EncodeDate(jaar, 12, 31);
}

}  // namespace brlib
