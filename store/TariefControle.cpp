#include "store/ControleStappen.h"
#include "store/KettingControle.h"

void ControleerTarieven(const JaarBestanden& j, Rapport& rapport)
{
    if (!j.tariefPnt.leesbaar)
        return;
    Plekken plek = j.tarief.LegePlekken();
    ControleerVrijeLijst(j.tarief, plek, rapport);
    for (int32_t type = 1; type <= j.tariefPnt.Aantal(); ++type) {
        const auto& pnt = j.tariefPnt[type];
        const KettingKop kop{"kamertype " + QString::number(type), j.tariefPnt.bestand, j.jaar, type, pnt.eerste,
                             pnt.laatste, true};
        for (int32_t nr : LoopKetting(j.tarief, 0, kop, plek, rapport))
            if (j.tarief[nr].kamerType != type)
                rapport.Meld(j.tarief.bestand, j.jaar, nr,
                             "hoort volgens het record bij kamertype " + QString::number(j.tarief[nr].kamerType) +
                                 " maar staat in de ketting van kamertype " + QString::number(type));
    }
    for (int32_t nr = 2; nr <= j.tarief.Aantal(); ++nr)
        if (plek[nr].isEmpty())
            rapport.Meld(j.tarief.bestand, j.jaar, nr, "is niet vrij en staat in de ketting van geen enkel kamertype");
}

void ControleerStamgegevens(const AdministratieInhoud& inhoud, Rapport& rapport)
{
    Plekken kamers = inhoud.kamer.LegePlekken();
    ControleerVrijeLijst(inhoud.kamer, kamers, rapport);
    Plekken kamerTypes = inhoud.kamerType.LegePlekken();
    ControleerVrijeLijst(inhoud.kamerType, kamerTypes, rapport);
    Plekken tariefSoorten = inhoud.tariefSoort.LegePlekken();
    ControleerVrijeLijst(inhoud.tariefSoort, tariefSoorten, rapport);
}
