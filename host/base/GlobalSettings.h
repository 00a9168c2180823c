#pragma once
// Settings of the administration, shared by every workstation that works on
// it: the file "rsv_instellingen.ini" in HuidigeAdminDir().
//   GlobalSettings("Reservering").ReadInteger("RijHoogte", 16)

#include "host/base/IniSectie.h"

class GlobalSettings : public IniSectie {
public:
    explicit GlobalSettings(const QString& sectie);

    static QString BestandsNaam();  // full path of the file of the current administration
};
