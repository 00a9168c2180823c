#include "logboek/AankomstVertrek.h"

#include <algorithm>
#include <cmath>

#include "host/brlib/KamerBezetting.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/tillra/RegistratieAccess.h"

namespace logboek {

namespace {

QString Gast(const brlib::RsvReservering& res)
{
    const QStringList& regels = res.gastRegels.isEmpty() ? res.relatieWaarden : res.gastRegels;
    return regels.value(0).trimmed();
}

QString Status(const brlib::stRes& regel)
{
    if (regel.inCheck.sleutel.IsLeeg())
        return {};
    return regel.inCheck.uitgecheckt ? QStringLiteral("Uitgechecked") : QStringLiteral("Ingechecked");
}

std::optional<double> OpenBedrag(const brlib::stRes& regel)
{
    if (regel.inCheck.kassaRegistratie.IsLeeg())
        return std::nullopt;
    const auto reg = Tillra::RegistratieAccess::Inlezen(regel.inCheck.kassaRegistratie,
                                                        Tillra::RegistratieAccess::ALL_OPTIONS);
    if (!reg)
        return std::nullopt;
    return reg->GetOpenstaandBedrag();
}

// A line that begins after its reservation, or continues on another room, is a room change, not a coming or
// going; a blockade brings no guest.
std::optional<AankomstVertrekRij> Rij(const brlib::RsvReservering& res, const brlib::stRes& regel, TDateTime dag)
{
    if (regel.soort == 2)
        return std::nullopt;
    const bool aankomst = std::floor(regel.begin) == dag && std::floor(res.begin) == dag;
    const bool vertrek = std::floor(regel.eind) == dag && regel.verplaatstNaar <= 0;
    if (!aankomst && !vertrek)
        return std::nullopt;
    AankomstVertrekRij rij;
    rij.vertrek = vertrek;
    rij.reservering = res.sleutel;
    rij.kamerNr = regel.kamerNr;
    rij.gast = Gast(res);
    rij.personen = regel.personen;
    rij.status = Status(regel);
    if (vertrek)
        rij.open = OpenBedrag(regel);
    return rij;
}

}  // namespace

std::vector<AankomstVertrekRij> AankomstenEnVertrekken(TDateTime dag)
{
    dag = std::floor(dag);
    std::vector<AankomstVertrekRij> rijen;
    brlib::RsvReserveringCursorRandom cursor;
    for (const brlib::stBezetting& b : brlib::ZoekBezetting(dag - 1, dag + 1)) {
        if (std::floor(b.begin) != dag && std::floor(b.eind) != dag)
            continue;
        const brlib::RsvReservering& res = cursor.At(b.reservering, brlib::roInChecks | brlib::roTeksten);
        for (const brlib::stRes& regel : res.kamerRegels)
            if (regel.regelNr == b.regelNr)
                if (std::optional<AankomstVertrekRij> rij = Rij(res, regel, dag))
                    rijen.push_back(*rij);
    }
    std::stable_sort(rijen.begin(), rijen.end(), [](const AankomstVertrekRij& a, const AankomstVertrekRij& b) {
        return a.vertrek != b.vertrek ? a.vertrek : a.kamerNr < b.kamerNr;
    });
    return rijen;
}

}  // namespace logboek
