#pragma once
// Day chains whose forward links are sound (every member inside the file, in
// no other day chain, and carrying that day's number) are the truth readers
// follow; their back links and the pointer's last member are set to match.
// A chain with a broken forward link is left to the operator.

#include <set>
#include <vector>

#include "store/HerstelPlan.h"

template <class Pnt, class Lid>
void PlanDagKettingen(Inhoud<Pnt>& dagen, Inhoud<Lid>& leden, int keten, HerstelPlan& plan)
{
    if (!dagen.leesbaar || !leden.leesbaar)
        return;
    std::set<int32_t> gezien;
    std::set<int32_t> gewijzigdeLeden;
    std::set<int32_t> gewijzigdeDagen;
    for (int32_t dag = 1; dag <= dagen.Aantal(); ++dag) {
        std::vector<int32_t> ketting;
        bool gaaf = true;
        for (int32_t nr = dagen[dag].eerste; nr != 0 && gaaf; nr = leden[nr].GetAn(keten)) {
            gaaf = nr > Lid{}.ReservedRecs() && nr <= leden.Aantal() && gezien.insert(nr).second &&
                   leden[nr].dagNr == dag;
            if (gaaf)
                ketting.push_back(nr);
        }
        if (!gaaf)
            continue;
        int32_t vorige = 0;
        for (int32_t nr : ketting) {
            Lid lid = leden[nr];
            if (lid.GetVn(keten) >= 0 && lid.GetVn(keten) != vorige) {
                lid.SetVn(keten, vorige);
                leden.records[nr - 1] = lid;
                gewijzigdeLeden.insert(nr);
            }
            vorige = nr;
        }
        if (dagen[dag].laatste != vorige) {
            Pnt pnt = dagen[dag];
            pnt.laatste = vorige;
            dagen.records[dag - 1] = pnt;
            gewijzigdeDagen.insert(dag);
        }
    }
    const QString wat = " van de dagkettingen hersteld in " + Plaats(dagen.bestand, dagen.jaar);
    plan.Schrijf(leden, gewijzigdeLeden, Plaats(leden.bestand, leden.jaar) + ": " +
                                             QString::number(gewijzigdeLeden.size()) + " terugverwijzingen" + wat);
    plan.Schrijf(dagen, gewijzigdeDagen, Plaats(dagen.bestand, dagen.jaar) + ": " +
                                             QString::number(gewijzigdeDagen.size()) + " laatste leden" + wat);
}
