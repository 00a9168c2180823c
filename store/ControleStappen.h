#pragma once
// The steps of the integrity check, each over files read into memory.

#include <vector>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"
#include "store/AdministratieInhoud.h"

// A line that holds its room: in its reservation's chain and not free.
struct LevendeRegel {
    JaarNr sleutel;
    int32_t kamer = 0;
    TDateTime begin = 0;
    TDateTime eind = 0;
};

// Day pointers, headers, lines, preregistrations and the persons of check-ins
// of one year. Persons live in one file for all years; `plekPersoon` spans them.
std::vector<LevendeRegel> ControleerReserveringen(const JaarBestanden& jaar, const Inhoud<WIN_rsv_persoon>& persoon,
                                                  Plekken& plekPersoon, Rapport& rapport);
// A live line's dates, year and check-in link.
void ControleerRegel(const JaarBestanden& jaar, int32_t nr, Rapport& rapport);
void ControleerGroepen(const AdministratieInhoud& inhoud, Rapport& rapport);
void ControleerTarieven(const JaarBestanden& jaar, Rapport& rapport);
void ControleerStamgegevens(const AdministratieInhoud& inhoud, Rapport& rapport);
// No two lines of one room share a night (days are half-open).
void ControleerOverlap(std::vector<LevendeRegel> regels, Rapport& rapport);
