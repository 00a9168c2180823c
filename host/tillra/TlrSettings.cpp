#include "host/tillra/TlrSettings.h"

#include "host/base/MachineSettings.h"

namespace Tillra {

TlrSettings TlrSettings::Object()
{
    const MachineSettings kassa(QStringLiteral("Kassa"));
    const MachineSettings server(QStringLiteral("KassaServer"));
    TlrSettings settings;
    settings.schermToetsenbord_ = kassa.ReadBool(QStringLiteral("SchermToetsenbord"), false);
    settings.omschrijvingVanKaart_ = kassa.ReadBool(QStringLiteral("OmschrijvingVanKaart"), false);
    settings.kassaServerHost_ = server.ReadString(QStringLiteral("Hostnaam"), QString()).trimmed();
    settings.kassaServerPoort_ = server.ReadInteger(QStringLiteral("Poort"), kStandaardPoort);
    return settings;
}

}  // namespace Tillra
