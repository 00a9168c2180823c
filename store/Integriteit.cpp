#include "store/Integriteit.h"

#include "store/ControleStappen.h"

std::vector<Bevinding> ControleerAdministratie()
{
    Rapport rapport;
    const AdministratieInhoud inhoud = LeesAdministratie(rapport);
    Plekken plekPersoon = inhoud.persoon.LegePlekken();
    std::vector<LevendeRegel> regels;
    for (const JaarBestanden& jaar : inhoud.jaren) {
        const auto vanJaar = ControleerReserveringen(jaar, inhoud.persoon, plekPersoon, rapport);
        regels.insert(regels.end(), vanJaar.begin(), vanJaar.end());
        ControleerTarieven(jaar, rapport);
    }
    ControleerGroepen(inhoud, rapport);
    ControleerStamgegevens(inhoud, rapport);
    ControleerOverlap(std::move(regels), rapport);
    return rapport.Neem();
}
