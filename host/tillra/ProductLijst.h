#pragma once
// What a products page does with its list of lines, apart from showing them.

#include <cstdint>
#include <vector>
#include <QString>

#include "host/base/TDateTime.h"
#include "host/tillra/BonRegel.h"

namespace Tillra {

class ArtikelSource;

// Adds one of article `artikelNr`: an editable line of that article (at or
// after `alleenLezen`) gets its rounded quantity + 1, else a line filled from
// the card at `moment` is appended. Returns the line's index, or -1 when the
// article has no card (nothing changed).
int VoegProductToe(std::vector<t_BonRegel>& regels, int alleenLezen, ArtikelSource& artikelen, int32_t artikelNr,
                   TDateTime moment);

// "Aantal producten: 3  |  Totaal bedrag: € 12.50": the quantities without
// decimals and the amounts including tax at `moment`, each rounded once.
QString TotaalRegel(const std::vector<t_BonRegel>& regels, TDateTime moment);

}  // namespace Tillra
