#pragma once
// A yes/no question of the check-in forms: a warning with "Ja" and "Nee".

#include "host/ui/Messages.h"

namespace incheck {

inline bool VraagJa(const QString& vraag, const QString& titel)
{
    return WarningMsg(vraag, titel, msg::mbYesNo) == msg::idYes;
}

}  // namespace incheck
