#include "masterdata/RsvSettingsOpslag.h"

#include <algorithm>

#include "host/base/GlobalSettings.h"
#include "host/base/MachineSettings.h"

namespace rsvsettings {

namespace {

const QString kSectie = QStringLiteral("Reservering");
const QString kKassaSectie = QStringLiteral("KassaServer");

// Every boolean key with its field; the defaults are the fields' initial values.
template <class Doe>
void ElkeSchakelaar(Instellingen& i, Doe doe)
{
    doe(QStringLiteral("CursorHor"), i.cursorHor);
    doe(QStringLiteral("CursorHorOptie1"), i.cursorHorOptie1);
    doe(QStringLiteral("CursorHorOptie2"), i.cursorHorOptie2);
    doe(QStringLiteral("CursorVert"), i.cursorVert);
    doe(QStringLiteral("CursorVertOptie1"), i.cursorVertOptie1);
    doe(QStringLiteral("CursorVertOptie2"), i.cursorVertOptie2);
    doe(QStringLiteral("DebOvernemen"), i.debOvernemen);
    doe(QStringLiteral("AutoProdReg"), i.autoProdReg);
    doe(QStringLiteral("GeenGroep"), i.groep.geenGroep);
    doe(QStringLiteral("WelGroep"), i.groep.welGroep);
    doe(QStringLiteral("DefGeenGroep"), i.groep.defGeenGroep);
    doe(QStringLiteral("DefWelGroep"), i.groep.defWelGroep);
    doe(QStringLiteral("RelatieKaartVelden"), i.relatieKaartVelden);
}

}  // namespace

void GroepOpties::Zet(bool welGroepOptie, bool aan)
{
    bool& optie = welGroepOptie ? welGroep : geenGroep;
    bool& standaard = welGroepOptie ? defWelGroep : defGeenGroep;
    const bool andere = welGroepOptie ? geenGroep : welGroep;
    bool& andereStandaard = welGroepOptie ? defGeenGroep : defWelGroep;
    optie = aan;
    if (!aan) {
        standaard = false;
        if (andere)
            andereStandaard = true;
    } else if (!andere) {
        standaard = true;
        andereStandaard = false;
    }
}

void GroepOpties::MinstensEen()
{
    if (!geenGroep && !welGroep)
        Zet(false, true);
}

Instellingen Instellingen::Lees()
{
    const GlobalSettings s(kSectie);
    Instellingen i;
    i.rijHoogte = s.ReadInteger(QStringLiteral("RijHoogte"), kRijHoogteMin);
    ElkeSchakelaar(i, [&](const QString& key, bool& waarde) { waarde = s.ReadBool(key, waarde); });
    return i;
}

bool Instellingen::Schrijf() const
{
    GlobalSettings s(kSectie);
    bool gelukt = s.WriteInteger(QStringLiteral("RijHoogte"), rijHoogte);
    Instellingen kopie = *this;
    ElkeSchakelaar(kopie, [&](const QString& key, bool& waarde) { gelukt = s.WriteBool(key, waarde) && gelukt; });
    return gelukt;
}

KassaServer KassaServer::Lees()
{
    const MachineSettings s(kKassaSectie);
    return {s.ReadString(QStringLiteral("Hostnaam"), QString()),
            s.ReadInteger(QStringLiteral("Poort"), Tillra::TlrSettings::kStandaardPoort)};
}

bool KassaServer::Schrijf() const
{
    MachineSettings s(kKassaSectie);
    const bool host = s.WriteString(QStringLiteral("Hostnaam"), hostnaam);
    return s.WriteInteger(QStringLiteral("Poort"), poort) && host;
}

int RijHoogtePlus(int hoogte) { return std::min(hoogte + 2, kRijHoogteMax); }
int RijHoogteMin(int hoogte) { return std::max(hoogte - 2, kRijHoogteMin); }

}  // namespace rsvsettings
