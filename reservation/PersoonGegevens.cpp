#include "reservation/PersoonGegevens.h"

#include <algorithm>

#include "host/relations/BestSource.h"
#include "reservation/GastGegevens.h"

namespace {

brlib::stVoorReg& VoorRegVan(std::vector<brlib::stVoorReg>& voorRegs, int32_t kamerNr)
{
    const auto gevonden = std::find_if(voorRegs.begin(), voorRegs.end(),
                                       [&](const brlib::stVoorReg& v) { return v.kamerNr == kamerNr; });
    if (gevonden != voorRegs.end())
        return *gevonden;
    brlib::stVoorReg nieuw;
    nieuw.kamerNr = kamerNr;
    return voorRegs.emplace_back(nieuw);
}

}  // namespace

Persoon PersoonVan(const ResGegevens& gegevens, const std::vector<brlib::stVoorReg>& voorRegs, int32_t sleutel)
{
    if (sleutel == 0)
        return {HoofdgastRegels(gegevens), gegevens.relatieNr, gegevens.relatieNr2};
    for (const brlib::stVoorReg& voorReg : voorRegs)
        if (voorReg.kamerNr == sleutel)
            return {voorReg.regels, voorReg.relatieNr, voorReg.relatieSleutel};
    return {};
}

void ZetPersoonRegels(ResGegevens& gegevens, std::vector<brlib::stVoorReg>& voorRegs, int32_t sleutel,
                      const QStringList& regels)
{
    if (sleutel == 0)
        ZetHoofdgastRegels(gegevens, regels);
    else
        VoorRegVan(voorRegs, sleutel).regels = regels;
}

void ZetPersoonRelatie(ResGegevens& gegevens, std::vector<brlib::stVoorReg>& voorRegs, int32_t sleutel,
                       int32_t relatieNr, int32_t kaartNr)
{
    if (sleutel == 0) {
        gegevens.relatieNr = relatieNr;
        gegevens.relatieNr2 = kaartNr;
        return;
    }
    brlib::stVoorReg& voorReg = VoorRegVan(voorRegs, sleutel);
    voorReg.relatieNr = relatieNr;
    voorReg.relatieSleutel = kaartNr;
}

QStringList KaartWaarden(const TBestSource& kaart, const QStringList& relatieLabels)
{
    if (!relatieLabels.isEmpty()) {
        QStringList waarden;
        for (const QString& label : relatieLabels)
            waarden << kaart.GetField(label);
        return waarden;
    }
    // Birth date, passport and the two remarks are not on a card.
    return KaartRijen([&kaart](int nr) { return kaart.GetField(nr); }) << QString() << QString() << QString()
                                                                      << QString();
}
