#pragma once
// The product-selection buttons of the administration, from the text file
// "artsel.cfg" in its directory (UTF-8). One button per line:
//     row;column;article number;caption[;#rrggbb]
// Rows and columns count from 0; the colour is optional. Empty lines and lines
// starting with "#" are skipped, and so is a line that does not parse (a
// broken line costs one button, never the page).

#include <cstdint>
#include <vector>
#include <QString>

namespace Tillra {

struct ArtSelKnop {
    int rij = 0;
    int kolom = 0;
    int32_t artikelNr = 0;
    QString tekst;
    QString kleur;  // "#rrggbb" or empty
};

std::vector<ArtSelKnop> LeesArtSel(const QString& tekst);
// The buttons of the current administration; none when the file is missing.
std::vector<ArtSelKnop> LeesArtSelBestand();
// Replaces the file of the current administration at once (never half-written);
// false with a Dutch reason in `fout`.
bool SchrijfArtSelBestand(const std::vector<ArtSelKnop>& knoppen, QString& fout);

}  // namespace Tillra
