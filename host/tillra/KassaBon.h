#pragma once
// The open bill of a registration as the till server changes it. Each call is
// one write action (KassaActie.h); false with a Dutch reason in `fout` when it
// was refused, and then nothing changed.

#include <cstdint>
#include <vector>
#include <QString>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"
#include "host/tillra/BonRegel.h"
#include "host/tillra/KassaMutatie.h"

namespace Tillra {

// Adds an order to the open bill. A line that the till books like an open line
// (t_BonRegel::ZelfdeBestelling) changes that line's quantity, so a negative
// quantity takes ordered items back; a line whose quantity comes to 0 leaves
// the bill. Text lines are not ordered.
bool Bestellen(const JaarNr& registratie, const std::vector<t_BonRegel>& regels, QString& fout);

// Settles the open bill at `moment` as a settled bill of till `kassaNr`, booked
// on the registration. Paid (AFREKENEN_BETAALD) also pays what was open on the
// room's account; on account (AFREKENEN_OP_REKENING) adds the bill to it.
// `bedrag` receives the amount of the settled bill.
bool Afrekenen(const JaarNr& registratie, int32_t kassaNr, AfrekenWijze wijze, TDateTime moment, double& bedrag,
               QString& fout);

// The amount of lines at `moment`, rounded once after adding them up.
double TotaalBedrag(const std::vector<t_BonRegel>& regels, TDateTime moment);

}  // namespace Tillra
