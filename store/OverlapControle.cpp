#include <algorithm>

#include "store/Bestanden.h"
#include "store/ControleStappen.h"

void ControleerOverlap(std::vector<LevendeRegel> regels, Rapport& rapport)
{
    std::sort(regels.begin(), regels.end(), [](const LevendeRegel& a, const LevendeRegel& b) {
        return a.kamer != b.kamer ? a.kamer < b.kamer : a.begin < b.begin;
    });
    // Per room, the line reaching furthest so far; a line starting before its end overlaps it.
    const LevendeRegel* verste = nullptr;
    for (const LevendeRegel& regel : regels) {
        if (verste && verste->kamer == regel.kamer && regel.begin < verste->eind)
            rapport.Meld(Bestanden::ResRgl, regel.sleutel.jaar, regel.sleutel.nr,
                         "kamer " + QString::number(regel.kamer) + " is dubbel geboekt: overlapt met regel " +
                             QString::number(verste->sleutel.nr) + " van jaar " +
                             QString::number(verste->sleutel.jaar));
        if (!verste || verste->kamer != regel.kamer || regel.eind > verste->eind)
            verste = &regel;
    }
}
