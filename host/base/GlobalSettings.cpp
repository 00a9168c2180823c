#include "host/base/GlobalSettings.h"

#include <QDir>

#include "host/base/AdminDir.h"

GlobalSettings::GlobalSettings(const QString& sectie) : IniSectie(BestandsNaam(), sectie) {}

QString GlobalSettings::BestandsNaam()
{
    return QDir(HuidigeAdminDir()).filePath(QStringLiteral("rsv_instellingen.ini"));
}
