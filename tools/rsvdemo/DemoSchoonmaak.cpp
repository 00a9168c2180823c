#include "tools/rsvdemo/DemoSchoonmaak.h"

#include "masterdata/KamerStatusOpslag.h"

bool MaakDemoSchoonmaak()
{
    const QString titel = QStringLiteral("Schoonmaak");
    return logboek::ZetKamerStatus(106, logboek::ksGecontroleerd, titel) &&
           logboek::ZetKamerStatus(307, logboek::ksBuitenGebruik, titel);
}
