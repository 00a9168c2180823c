#pragma once
// The module's settings as the settings dialog edits them: per administration
// (GlobalSettings "Reservering") and the till server per workstation
// (MachineSettings "KassaServer"), with the rules the dialog keeps between
// them. The board, the booking panel and the check-in read the same keys.

#include <QString>

#include "host/tillra/TlrSettings.h"

namespace rsvsettings {

constexpr int kRijHoogteMin = 16;
constexpr int kRijHoogteMax = 60;

// Which of the two booking modes of several rooms may be chosen, and which is
// chosen first.
struct GroepOpties {
    bool geenGroep = true;
    bool welGroep = false;
    bool defGeenGroep = true;
    bool defWelGroep = false;

    // Turning an option off takes its default away and gives it to the other
    // option when that is on; turning one on makes it the default when the
    // other is off.
    void Zet(bool welGroepOptie, bool aan);
    // At least one option: without any, the first one comes back as default.
    void MinstensEen();
};

struct Instellingen {
    int rijHoogte = kRijHoogteMin;
    bool cursorHor = true;
    bool cursorHorOptie1 = true;
    bool cursorHorOptie2 = false;
    bool cursorVert = true;
    bool cursorVertOptie1 = false;
    bool cursorVertOptie2 = true;
    bool debOvernemen = false;
    bool autoProdReg = false;
    GroepOpties groep;
    bool relatieKaartVelden = false;

    static Instellingen Lees();
    // False when the administration's settings file could not be written.
    bool Schrijf() const;
};

struct KassaServer {
    QString hostnaam;
    int poort = Tillra::TlrSettings::kStandaardPoort;

    static KassaServer Lees();
    bool Schrijf() const;
};

// The row height after "+" or "-": steps of 2 within 16..60.
int RijHoogtePlus(int hoogte);
int RijHoogteMin(int hoogte);

}  // namespace rsvsettings
