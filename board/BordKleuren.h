#pragma once
// The board's colours (0x00BBGGRR): the colour table with its legend, cell
// backgrounds with the pointer, today, chosen-date and period highlights, bar
// parts by kind, check-in state, pending and highlight, and caption colours.

#include <array>
#include <QString>

#include "board/BordToestand.h"
#include "host/base/TColor.h"

namespace bord {

struct KleurTabel {
    TColor nietIngecheckt = 0x000080;
    TColor ingecheckt = 0x008000;
    TColor uitgecheckt = 0x808080;
    TColor optie = 0xA000A0;
    TColor blokkade = 0x101010;
    TColor voorlopig = 0x800000;
    TColor modus = 0xFFFF00;  // highlighted line in a row that takes part in the current mode
    TColor groep = 0xFF0000;
};

struct LegendaRij {
    QString tekst;  // twelve blanks before the text leave room for the swatch
    TColor kleur;
};
std::array<LegendaRij, 6> Legenda(const KleurTabel& tabel);

// Background of grid cell (kolom, rij) before grid lines, texts and bars.
TColor AchtergrondKleur(const BordToestand& toestand, int kolom, int rij, TDateTime vandaag);

// The row of `kamerNr` takes part in the current mode: the source room while
// moving, any row while choosing a period's reservation or in the group mode.
bool RijDoetMee(const BordToestand& toestand, int32_t kamerNr);

// Colour of one bar part: `nibble` is that part's status nibble (bit 1 highlighted, bit 2 pending).
TColor BalkKleur(const BordToestand& toestand, const KleurTabel& tabel, const brlib::stRes& item, int nibble);

// Caption colour: black on the selected reservation, yellow on a new line, else white.
TColor TekstKleur(const BordToestand& toestand, const brlib::stRes& item);

}  // namespace bord
