#include "tests/schrijfpaden/SchrijfPaden.h"

#include "tests/schrijfpaden/SchrijfPadenIntern.h"

const std::vector<SchrijfPad>& SchrijfPaden()
{
    static const std::vector<SchrijfPad> paden = [] {
        std::vector<SchrijfPad> alle = ReserveringPaden();
        for (SchrijfPad& p : StamPaden())
            alle.push_back(std::move(p));
        return alle;
    }();
    return paden;
}

std::vector<std::string> PadGroepen() { return {"boeken", "gegevens", "bord", "inchecken", "stam"}; }

QStringList PadenVanGroep(const QString& groep)
{
    QStringList namen;
    for (const SchrijfPad& p : SchrijfPaden())
        if (p.naam.startsWith(groep + QLatin1Char('/')))
            namen << p.naam;
    return namen;
}

const SchrijfPad* VindPad(const QString& naam)
{
    for (const SchrijfPad& p : SchrijfPaden())
        if (p.naam == naam)
            return &p;
    return nullptr;
}
