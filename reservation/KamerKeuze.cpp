#include "reservation/KamerKeuze.h"

namespace invres {

QString KamerTypeTekst(const brlib::stKamer& kamer)
{
    return kamer.kamerType.recNr != 0 ? kamer.kamerType.code : QStringLiteral("(GEEN TYPE)");
}

int32_t TypeFilter(const std::vector<brlib::stKamerType>& types, int index)
{
    return index > 0 && index <= int(types.size()) ? types[index - 1].recNr : 0;
}

std::vector<const brlib::stKamer*> KamersVanType(const std::vector<brlib::stKamer>& kamers, int32_t typeNr)
{
    std::vector<const brlib::stKamer*> gekozen;
    for (const brlib::stKamer& kamer : kamers)
        if (typeNr == 0 || kamer.kamerType.recNr == typeNr)
            gekozen.push_back(&kamer);
    return gekozen;
}

}  // namespace invres
