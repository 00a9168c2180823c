#pragma once
// Walking chains and free lists of a file read into memory. Every record can be
// claimed once per chain kind (Plekken), so a walk visits each record at most
// once: cycles and records in two places end the walk with a finding.

#include <cstring>
#include <vector>
#include <QString>

#include "store/BestandInhoud.h"

inline const QString kVrijeLijst = QStringLiteral("de vrije lijst");

// The head of one chain and where it lives, for the findings.
struct KettingKop {
    QString naam;       // e.g. "reservering 12", used in findings of members
    QString bestand;
    int32_t jaar = 0;
    int32_t record = 0;
    int32_t eerste = 0;
    int32_t laatste = 0;
    bool staartBewaard = true;
};

namespace ketting_detail {

template <class T>
QString Buiten(const Inhoud<T>& leden, int32_t nr)
{
    return "verwijst naar record " + QString::number(nr) + " buiten " + leden.bestand + " (" +
           QString::number(leden.Aantal()) + " records)";
}

template <class T>
bool Gereserveerd(const Inhoud<T>& leden, int32_t nr)
{
    return nr >= 1 && nr <= T{}.ReservedRecs();
}

// Takes record nr, reached from `vorige` (0: from the head), into the chain;
// false with a finding when it lies outside the file or belongs elsewhere already.
template <class T>
bool NeemOp(const Inhoud<T>& leden, const KettingKop& kop, int32_t vorige, int32_t nr, Plekken& plek,
            Rapport& rapport)
{
    if (!leden.Bestaat(nr) || Gereserveerd(leden, nr)) {
        const QString wat = leden.Bestaat(nr) ? "verwijst in de ketting van " + kop.naam + " naar kopregel " +
                                                    QString::number(nr)
                                              : Buiten(leden, nr);
        if (vorige == 0)
            rapport.Meld(kop.bestand, kop.jaar, kop.record, wat);
        else
            rapport.Meld(leden.bestand, leden.jaar, vorige, wat);
        return false;
    }
    if (!plek[nr].isEmpty()) {
        rapport.Meld(leden.bestand, leden.jaar, nr,
                     plek[nr] == kop.naam ? "de ketting van " + kop.naam + " komt hier een tweede keer (lus)"
                                          : "staat in de ketting van " + kop.naam + " en ook in " + plek[nr]);
        return false;
    }
    plek[nr] = kop.naam;
    return true;
}

}  // namespace ketting_detail

// Walks the chain from kop.eerste; returns its members in order, as far as they are sound.
template <class T>
std::vector<int32_t> LoopKetting(const Inhoud<T>& leden, int keten, const KettingKop& kop, Plekken& plek,
                                 Rapport& rapport)
{
    std::vector<int32_t> volgorde;
    if (!leden.leesbaar)
        return volgorde;
    int32_t vorige = 0;
    for (int32_t nr = kop.eerste; nr != 0; nr = leden[nr].GetAn(keten)) {
        if (!ketting_detail::NeemOp(leden, kop, vorige, nr, plek, rapport))
            return volgorde;
        // A back link below 0 is "not recorded": the record layer allows it in files others wrote.
        const int32_t vn = leden[nr].GetVn(keten);
        if (vn >= 0 && vn != vorige)
            rapport.Meld(leden.bestand, leden.jaar, nr,
                         "vorige in de ketting van " + kop.naam + " is " + QString::number(vn) + ", verwacht " +
                             QString::number(vorige));
        volgorde.push_back(nr);
        vorige = nr;
    }
    if (kop.staartBewaard && kop.laatste != vorige)
        rapport.Meld(kop.bestand, kop.jaar, kop.record,
                     "laatste is " + QString::number(kop.laatste) + " maar de ketting eindigt bij " +
                         QString::number(vorige));
    return volgorde;
}

// The free list from header record 1: members lie beyond the header and are zero but for the link.
template <class T>
void ControleerVrijeLijst(const Inhoud<T>& inhoud, Plekken& plek, Rapport& rapport)
{
    using namespace recordcache_detail;
    if (!inhoud.leesbaar || inhoud.Aantal() < 1)
        return;
    int32_t verwijzer = 1;
    for (int32_t nr = VrijeLink(inhoud[1]); nr != 0; nr = VrijeLink(inhoud[nr])) {
        if (!inhoud.Bestaat(nr) || nr == 1) {
            rapport.Meld(inhoud.bestand, inhoud.jaar, verwijzer,
                         "vrije lijst " + (nr == 1 ? "verwijst naar de kopregel" : ketting_detail::Buiten(inhoud, nr)));
            return;
        }
        if (!plek[nr].isEmpty()) {
            rapport.Meld(inhoud.bestand, inhoud.jaar, nr, "komt een tweede keer in de vrije lijst (lus)");
            return;
        }
        plek[nr] = kVrijeLijst;
        T zonderLink = inhoud[nr];
        ZetVrijeLink(zonderLink, 0);
        const T leeg{};
        if (std::memcmp(&zonderLink, &leeg, sizeof(T)) != 0)
            rapport.Meld(inhoud.bestand, inhoud.jaar, nr, "staat in de vrije lijst maar is niet leeg");
        verwijzer = nr;
    }
}
