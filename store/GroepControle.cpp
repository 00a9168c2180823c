#include <map>

#include "store/ControleStappen.h"
#include "store/KettingControle.h"

namespace {

QString GroepNaam(int32_t g)
{
    return "groep " + QString::number(g);
}

// The header a member names must exist and carry the member's group.
void ControleerLid(const AdministratieInhoud& inhoud, int32_t nr, std::map<JaarNr, int>& leden, Rapport& rapport)
{
    const auto& lid = inhoud.groepSub[nr];
    const JaarBestanden* jaar = inhoud.Jaar(lid.jaar);
    if (jaar && !jaar->hfd.leesbaar)
        return;
    const JaarNr sleutel(lid.jaar, lid.resNr);
    if (!jaar || !jaar->hfd.Bestaat(lid.resNr)) {
        rapport.Meld(inhoud.groepSub.bestand, 0, nr,
                     "verwijst naar reservering " + sleutel.String(4, 1) + " die niet bestaat");
        return;
    }
    ++leden[sleutel];
    if (jaar->hfd[lid.resNr].groepNr != lid.groepNr)
        rapport.Meld(inhoud.groepSub.bestand, 0, nr,
                     "reservering " + sleutel.String(4, 1) + " hoort bij groep " +
                         QString::number(jaar->hfd[lid.resNr].groepNr) + ", niet bij " + GroepNaam(lid.groepNr));
}

void Groepsketens(const AdministratieInhoud& inhoud, Plekken& plek, std::map<JaarNr, int>& leden, Rapport& rapport)
{
    for (int32_t g = 1; g <= inhoud.groepHfd.Aantal(); ++g) {
        const auto& hfd = inhoud.groepHfd[g];
        const KettingKop kop{GroepNaam(g), inhoud.groepHfd.bestand, 0, g, hfd.eerste, hfd.laatste, true};
        for (int32_t nr : LoopKetting(inhoud.groepSub, 0, kop, plek, rapport)) {
            if (inhoud.groepSub[nr].groepNr != g)
                rapport.Meld(inhoud.groepSub.bestand, 0, nr,
                             "hoort volgens het record bij " + GroepNaam(inhoud.groepSub[nr].groepNr) +
                                 " maar staat in de ketting van " + GroepNaam(g));
            ControleerLid(inhoud, nr, leden, rapport);
        }
    }
}

// Every header with a group number has exactly one member record.
void HeadersMetGroep(const AdministratieInhoud& inhoud, const std::map<JaarNr, int>& leden, Rapport& rapport)
{
    for (const JaarBestanden& j : inhoud.jaren)
        for (int32_t h = 1; h <= j.hfd.Aantal(); ++h) {
            if (j.hfd[h].groepNr == 0)
                continue;
            const auto it = leden.find(JaarNr(j.jaar, h));
            const int aantal = it == leden.end() ? 0 : it->second;
            if (aantal != 1)
                rapport.Meld(j.hfd.bestand, j.jaar, h,
                             "hoort bij " + GroepNaam(j.hfd[h].groepNr) + " maar heeft " + QString::number(aantal) +
                                 " lidrecords");
        }
}

}  // namespace

void ControleerGroepen(const AdministratieInhoud& inhoud, Rapport& rapport)
{
    if (!inhoud.groepHfd.leesbaar || !inhoud.groepSub.leesbaar)
        return;
    Plekken plek = inhoud.groepSub.LegePlekken();
    std::map<JaarNr, int> leden;
    ControleerVrijeLijst(inhoud.groepSub, plek, rapport);
    Groepsketens(inhoud, plek, leden, rapport);
    for (int32_t nr = 2; nr <= inhoud.groepSub.Aantal(); ++nr)
        if (plek[nr].isEmpty())
            rapport.Meld(inhoud.groepSub.bestand, 0, nr, "is niet vrij en hoort bij geen enkele groep");
    HeadersMetGroep(inhoud, leden, rapport);
}
