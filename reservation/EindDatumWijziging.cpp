#include "reservation/EindDatumWijziging.h"

#include <algorithm>
#include <cmath>

#include "host/base/DatumTekst.h"
#include "reservation/RegelTarief.h"

namespace {

brlib::stKamer KamerVan(const std::vector<brlib::stKamer>& kamers, int32_t kamerNr)
{
    const auto kamer =
        std::find_if(kamers.begin(), kamers.end(), [&](const brlib::stKamer& k) { return k.kamerNr == kamerNr; });
    return kamer == kamers.end() ? brlib::stKamer() : *kamer;
}

double Som(const std::vector<brlib::stRes>& regels)
{
    double som = 0;
    for (const brlib::stRes& regel : regels)
        som += regel.bedrag;
    return std::round(som * 100.0) / 100.0;
}

}  // namespace

std::optional<QString> WeigerEindDatum(const brlib::RsvReservering& res, TDateTime nieuwEind)
{
    const TDateTime begin = res.KamersGesplitst() ? res.GetBeginDatumGesplitst() : res.begin;
    if (nieuwEind <= begin)
        return "Einddatum moet na begindatum (" + FormatDateTime(QStringLiteral("dd-mm-yyyy"), begin) + ") liggen!";
    QStringList regels;
    if (!res.CheckNieuweEindDatum(nieuwEind, regels)) {
        QString melding = QStringLiteral("Onjuiste einddatum opgegeven:\n");
        for (const QString& regel : regels)
            melding += "\n" + regel;
        return melding;
    }
    if (static_cast<int>(nieuwEind - res.begin) > brlib::RsvReservering::kMaxNachten)
        return "Periode kan niet groter zijn dan " + QString::number(brlib::RsvReservering::kMaxNachten) + " dagen.";
    return std::nullopt;
}

bool PrijsVoorEindDatum(brlib::RsvReservering& res, TDateTime nieuwEind, const std::vector<brlib::stKamer>& kamers)
{
    res.eind = nieuwEind;
    bool geprijsd = true;
    for (brlib::stRes& regel : res.kamerRegels) {
        if (regel.verplaatstNaar > 0)
            continue;
        regel.eind = nieuwEind;
        if (!BepaalTarieven(regel, KamerVan(kamers, regel.kamerNr))) {
            geprijsd = false;
            break;
        }
    }
    res.totaalBedrag = Som(res.kamerRegels);
    return geprijsd;
}
