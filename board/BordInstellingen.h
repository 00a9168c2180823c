#pragma once
// The board's settings: per administration (GlobalSettings "Reservering"),
// read again at every re-initialisation, and the legend's state per
// workstation (MachineSettings "RsvOvRes").

namespace bord {

struct BordInstellingen {
    int rijHoogte = 16;
    int cursorHor = 1;   // CursorModus
    int cursorVert = 2;

    static BordInstellingen Lees();
};

// Read once when the board shows: weeks run Monday..Sunday instead of Sunday..Saturday.
bool LeesIsoWeek();

bool LeesLegendaGetoond();
void SchrijfLegendaGetoond(bool getoond);

}  // namespace bord
