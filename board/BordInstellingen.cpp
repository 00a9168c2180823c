#include "board/BordInstellingen.h"

#include <algorithm>

#include "board/BordToestand.h"
#include "host/base/GlobalSettings.h"
#include "host/base/MachineSettings.h"

namespace bord {

namespace {
const QString kSectie = QStringLiteral("Reservering");
const QString kWerkplekSectie = QStringLiteral("RsvOvRes");
const QString kLegenda = QStringLiteral("btnLegenda");

// Off, or on with the highlight over header and cells (option 1) or the header only.
int LeesCursor(const GlobalSettings& s, const QString& key, bool optie1Standaard)
{
    if (!s.ReadBool(key, true))
        return cursorUit;
    return s.ReadBool(key + QStringLiteral("Optie1"), optie1Standaard) ? cursorKopEnCellen : cursorAlleenKop;
}
}  // namespace

BordInstellingen BordInstellingen::Lees()
{
    const GlobalSettings s(kSectie);
    BordInstellingen inst;
    // A row height below one pixel would hide every room.
    inst.rijHoogte = std::max(1, s.ReadInteger(QStringLiteral("RijHoogte"), 16));
    inst.cursorHor = LeesCursor(s, QStringLiteral("CursorHor"), true);
    inst.cursorVert = LeesCursor(s, QStringLiteral("CursorVert"), false);
    return inst;
}

bool LeesIsoWeek()
{
    return GlobalSettings(kSectie).ReadBool(QStringLiteral("ISOWeekNummer"), false);
}

bool LeesLegendaGetoond()
{
    return MachineSettings(kWerkplekSectie).ReadBool(kLegenda, false);
}

void SchrijfLegendaGetoond(bool getoond)
{
    MachineSettings(kWerkplekSectie).WriteBool(kLegenda, getoond);
}

}  // namespace bord
