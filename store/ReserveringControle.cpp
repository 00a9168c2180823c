#include "store/ControleStappen.h"
#include "store/KettingControle.h"

namespace {

QString DagNaam(int32_t dag)
{
    return "dag " + QString::number(dag);
}

QString ResNaam(int32_t nr)
{
    return "reservering " + QString::number(nr);
}

bool IsLeeg(const WIN_rsv_res_hfd& hfd)
{
    const WIN_rsv_res_hfd leeg{};
    return std::memcmp(&hfd, &leeg, sizeof hfd) == 0;
}

template <class Rec>
void ControleerDag(const Inhoud<Rec>& leden, int32_t nr, int32_t dag, int dagNrVeld, TDateTime begin,
                   Rapport& rapport)
{
    if (dagNrVeld != dag)
        rapport.Meld(leden.bestand, leden.jaar, nr,
                     "dagnummer is " + QString::number(dagNrVeld) + " maar staat onder " + DagNaam(dag));
    else if (DagNr(begin) != dag)
        rapport.Meld(leden.bestand, leden.jaar, nr, "begindatum valt niet op " + DagNaam(dag));
}

// Headers under the pointer of their begin day.
void DagKettingenHfd(const JaarBestanden& j, Plekken& plekHfd, Rapport& rapport)
{
    for (int32_t dag = 1; dag <= j.dagHfd.Aantal(); ++dag) {
        const auto& pnt = j.dagHfd[dag];
        const KettingKop kop{DagNaam(dag), j.dagHfd.bestand, j.jaar, dag, pnt.eerste, pnt.laatste, true};
        for (int32_t nr : LoopKetting(j.hfd, 0, kop, plekHfd, rapport))
            ControleerDag(j.hfd, nr, dag, j.hfd[nr].dagNr, j.hfd[nr].BeginDatum(), rapport);
    }
}

// Lines under the pointer of their begin day (chain 1).
void DagKettingenRgl(const JaarBestanden& j, Plekken& plekDag, Rapport& rapport)
{
    for (int32_t dag = 1; dag <= j.dagRgl.Aantal(); ++dag) {
        const auto& pnt = j.dagRgl[dag];
        const KettingKop kop{DagNaam(dag), j.dagRgl.bestand, j.jaar, dag, pnt.eerste, pnt.laatste, true};
        for (int32_t nr : LoopKetting(j.rgl, 1, kop, plekDag, rapport))
            ControleerDag(j.rgl, nr, dag, j.rgl[nr].dagNr, j.rgl[nr].BeginDatum(), rapport);
    }
}

// A header's lines (chain 0, tail kept) and preregistrations (no tail) point back to it.
void KettingenVanHfd(const JaarBestanden& j, int32_t h, Plekken& plekRgl, Plekken& plekVoorReg, Rapport& rapport)
{
    const auto& hfd = j.hfd[h];
    const KettingKop regels{ResNaam(h), j.hfd.bestand, j.jaar, h, hfd.eersteRegel, hfd.laatsteRegel, true};
    for (int32_t nr : LoopKetting(j.rgl, 0, regels, plekRgl, rapport))
        if (j.rgl[nr].hfdNr != h)
            rapport.Meld(j.rgl.bestand, j.jaar, nr,
                         "hoort volgens het record bij " + ResNaam(j.rgl[nr].hfdNr) + " maar staat in de ketting van " +
                             ResNaam(h));
    const KettingKop voorRegs{ResNaam(h), j.hfd.bestand, j.jaar, h, hfd.eersteVoorReg, -1, false};
    for (int32_t nr : LoopKetting(j.voorReg, 0, voorRegs, plekVoorReg, rapport))
        if (j.voorReg[nr].resNr != h)
            rapport.Meld(j.voorReg.bestand, j.jaar, nr,
                         "hoort volgens het record bij " + ResNaam(j.voorReg[nr].resNr) +
                             " maar staat in de ketting van " + ResNaam(h));
}

void Koppen(const JaarBestanden& j, const Plekken& plekHfd, Plekken& plekRgl, Plekken& plekVoorReg, Rapport& rapport)
{
    for (int32_t h = 1; h <= j.hfd.Aantal(); ++h) {
        if (IsLeeg(j.hfd[h]))
            continue;
        if (j.dagHfd.leesbaar && j.hfd[h].status != 99 && plekHfd[h].isEmpty())
            rapport.Meld(j.hfd.bestand, j.jaar, h, "staat niet onder de dagpointer van zijn begindag");
        if (Jaar(j.hfd[h].BeginDatum()) != j.jaar)
            rapport.Meld(j.hfd.bestand, j.jaar, h, "begindatum ligt niet in het jaar van het bestand");
        KettingenVanHfd(j, h, plekRgl, plekVoorReg, rapport);
    }
}

// Every line is free or both under its reservation and under its day; free ones in neither.
std::vector<LevendeRegel> Regels(const JaarBestanden& j, const Plekken& plekRgl, const Plekken& plekDag,
                                 Rapport& rapport)
{
    std::vector<LevendeRegel> levend;
    for (int32_t nr = 2; nr <= j.rgl.Aantal(); ++nr) {
        const auto& rgl = j.rgl[nr];
        if (plekRgl[nr] == kVrijeLijst) {
            if (!plekDag[nr].isEmpty())
                rapport.Meld(j.rgl.bestand, j.jaar, nr, "is vrij maar staat in de ketting van " + plekDag[nr]);
            continue;
        }
        if (plekRgl[nr].isEmpty())
            rapport.Meld(j.rgl.bestand, j.jaar, nr, "is niet vrij en staat in de ketting van geen enkele reservering");
        if (plekDag[nr].isEmpty())
            rapport.Meld(j.rgl.bestand, j.jaar, nr, "is niet vrij en staat niet onder de dagpointer van zijn begindag");
        ControleerRegel(j, nr, rapport);
        levend.push_back({JaarNr(j.jaar, nr), rgl.kamerNr, rgl.BeginDatum(), rgl.EindDatum()});
    }
    return levend;
}

void LosseVoorRegs(const JaarBestanden& j, const Plekken& plekVoorReg, Rapport& rapport)
{
    for (int32_t nr = 2; nr <= j.voorReg.Aantal(); ++nr)
        if (plekVoorReg[nr].isEmpty())
            rapport.Meld(j.voorReg.bestand, j.jaar, nr, "is niet vrij en hoort bij geen enkele reservering");
}

// Persons of each check-in; the writer keeps no tail in the check-in record.
void Personen(const JaarBestanden& j, const Inhoud<WIN_rsv_persoon>& persoon, Plekken& plekPersoon,
              Rapport& rapport)
{
    for (int32_t nr = 1; nr <= j.inCheck.Aantal(); ++nr) {
        const KettingKop kop{"incheck " + QString::number(j.jaar) + "/" + QString::number(nr), j.inCheck.bestand,
                             j.jaar, nr, j.inCheck[nr].eerstePersoon, -1, false};
        LoopKetting(persoon, 0, kop, plekPersoon, rapport);
    }
}

}  // namespace

std::vector<LevendeRegel> ControleerReserveringen(const JaarBestanden& j, const Inhoud<WIN_rsv_persoon>& persoon,
                                                  Plekken& plekPersoon, Rapport& rapport)
{
    Plekken plekHfd = j.hfd.LegePlekken();
    Plekken plekRgl = j.rgl.LegePlekken();
    Plekken plekDag = j.rgl.LegePlekken();
    Plekken plekVoorReg = j.voorReg.LegePlekken();
    ControleerVrijeLijst(j.rgl, plekRgl, rapport);
    ControleerVrijeLijst(j.voorReg, plekVoorReg, rapport);
    DagKettingenHfd(j, plekHfd, rapport);
    DagKettingenRgl(j, plekDag, rapport);
    Koppen(j, plekHfd, plekRgl, plekVoorReg, rapport);
    Personen(j, persoon, plekPersoon, rapport);
    if (j.hfd.leesbaar && j.voorReg.leesbaar)
        LosseVoorRegs(j, plekVoorReg, rapport);
    if (!j.hfd.leesbaar || !j.rgl.leesbaar || !j.dagRgl.leesbaar)
        return {};
    return Regels(j, plekRgl, plekDag, rapport);
}
