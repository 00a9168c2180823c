#include "host/tillra/TlrSettings.h"

#include "host/base/MachineSettings.h"

namespace Tillra {

TlrSettings TlrSettings::Object()
{
    const MachineSettings kassa(QStringLiteral("Kassa"));
    TlrSettings settings;
    settings.schermToetsenbord_ = kassa.ReadBool(QStringLiteral("SchermToetsenbord"), false);
    return settings;
}

}  // namespace Tillra
