// The settings readers (administration and workstation) over a settings
// file made from fuzzer bytes: every kind of value of the keys the module uses.

#include "host/base/IniSectie.h"
#include "tests/fuzz/FuzzAdministratie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString pad = FuzzMap() + "/instellingen.ini";
    SchrijfBestand(pad, data, size);
    for (const char* sectie : {"Reservering", "KassaServer", "RsvOvRes"}) {
        IniSectie ini(pad, QString::fromLatin1(sectie));
        for (const char* sleutel : {"Poort", "Hostnaam", "DebOvernemen", "btnLegenda", "Datum"}) {
            ini.ReadBool(QString::fromLatin1(sleutel), false);
            ini.ReadInteger(QString::fromLatin1(sleutel), 0);
            ini.ReadString(QString::fromLatin1(sleutel), QString());
            ini.ReadDate(QString::fromLatin1(sleutel), 0);
        }
    }
    return 0;
}
