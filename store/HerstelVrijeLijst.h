#pragma once
// Rebuilding a free list: its members are exactly the records beyond the
// header that hold nothing but the free link and that no live record of the
// file links to. Left alone when the list on disk already is that set.

#include <cstring>
#include <optional>
#include <set>
#include <vector>

#include "store/HerstelPlan.h"

namespace vrijelijst_detail {

template <class T>
bool IsVrij(const T& rec)
{
    T zonderLink = rec;
    recordcache_detail::ZetVrijeLink(zonderLink, 0);
    const T leeg{};
    return std::memcmp(&zonderLink, &leeg, sizeof(T)) == 0;
}

template <class T>
concept MetKetting = requires(const T rec) { rec.GetAn(0); };

// Records that live records of the file point at; those are not free whatever they hold.
template <class T>
std::set<int32_t> Verwezen(const Inhoud<T>& inhoud)
{
    std::set<int32_t> doelen;
    if constexpr (MetKetting<T>)
        for (int32_t nr = 2; nr <= inhoud.Aantal(); ++nr)
            if (!IsVrij(inhoud[nr]))
                for (int keten = 0; keten < 2; ++keten)
                    doelen.insert({inhoud[nr].GetAn(keten), inhoud[nr].GetVn(keten)});
    return doelen;
}

// The list on disk as a set, or nothing when it runs out of the file, in a circle or through a used record.
template <class T>
std::optional<std::set<int32_t>> LijstOpSchijf(const Inhoud<T>& inhoud)
{
    using recordcache_detail::VrijeLink;
    std::set<int32_t> leden;
    for (int32_t nr = VrijeLink(inhoud[1]); nr != 0; nr = VrijeLink(inhoud[nr]))
        if (nr < 2 || nr > inhoud.Aantal() || !leden.insert(nr).second || !IsVrij(inhoud[nr]))
            return std::nullopt;
    return leden;
}

}  // namespace vrijelijst_detail

template <class T>
void PlanVrijeLijst(Inhoud<T>& inhoud, HerstelPlan& plan)
{
    using namespace vrijelijst_detail;
    if (!inhoud.leesbaar || inhoud.Aantal() < 1)
        return;
    const std::set<int32_t> verwezen = Verwezen(inhoud);
    std::vector<int32_t> vrij;
    for (int32_t nr = 2; nr <= inhoud.Aantal(); ++nr)
        if (IsVrij(inhoud[nr]) && !verwezen.contains(nr))
            vrij.push_back(nr);
    if (LijstOpSchijf(inhoud) == std::set<int32_t>(vrij.begin(), vrij.end()))
        return;
    std::set<int32_t> gewijzigd;
    int32_t vorige = 1;
    vrij.push_back(0);
    for (int32_t nr : vrij) {
        T rec = inhoud[vorige];
        if (recordcache_detail::VrijeLink(rec) != nr) {
            recordcache_detail::ZetVrijeLink(rec, nr);
            inhoud.records[vorige - 1] = rec;
            gewijzigd.insert(vorige);
        }
        vorige = nr;
    }
    plan.Schrijf(inhoud, gewijzigd,
                 Plaats(inhoud.bestand, inhoud.jaar) + ": vrije lijst opnieuw opgebouwd (" +
                     QString::number(vrij.size() - 1) + " vrije records)");
}
