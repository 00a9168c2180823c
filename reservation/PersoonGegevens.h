#pragma once
// The persons of the guest page: the main guest (key 0) and, per room, the
// person pre-registered for it (key = room number). Without widgets.

#include <cstdint>
#include <vector>
#include <QStringList>

#include "host/brlib/Res.h"
#include "reservation/ResGegevens.h"

class TBestSource;

struct Persoon {
    QStringList regels;
    int32_t relatieNr = 0;
    int32_t kaartNr = 0;
};

// The lines and relation of the person with key `sleutel`; a room without a
// pre-registration has no lines and relation 0.
Persoon PersoonVan(const ResGegevens& gegevens, const std::vector<brlib::stVoorReg>& voorRegs, int32_t sleutel);
// Replaces the person's lines; a room's pre-registration is made when it has none.
void ZetPersoonRegels(ResGegevens& gegevens, std::vector<brlib::stVoorReg>& voorRegs, int32_t sleutel,
                      const QStringList& regels);
// Gives the person a relation; a room's pre-registration is made when it has none.
void ZetPersoonRelatie(ResGegevens& gegevens, std::vector<brlib::stVoorReg>& voorRegs, int32_t sleutel,
                       int32_t relatieNr, int32_t kaartNr);

// The values the current card of `kaart` gives the rows: per relation field
// label the card field of that name; without labels the twelve standard rows,
// the card's name split at its first comma into "Naam" and "Voornaam".
QStringList KaartWaarden(const TBestSource& kaart, const QStringList& relatieLabels);
