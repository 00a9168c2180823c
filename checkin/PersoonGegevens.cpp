#include "checkin/PersoonGegevens.h"

#include "host/relations/BestSource.h"

namespace incheck {

namespace {
const QString kNaam = QStringLiteral("Naam");
const QString kVoornaam = QStringLiteral("Voornaam");

QString Waarde(const brlib::stPersoon& persoon, const QStringList& labels, const QString& label)
{
    const int i = labels.indexOf(label);
    return i >= 0 ? persoon.waarden.value(i).trimmed() : QString();
}
}  // namespace

QStringList PersoonLabels(const brlib::RsvReservering& res)
{
    if (!res.relatieLabels.isEmpty())
        return res.relatieLabels;
    return {kNaam,
            kVoornaam,
            QStringLiteral("Adres"),
            QStringLiteral("Postcode"),
            QStringLiteral("Woonplaats"),
            QStringLiteral("Land"),
            QStringLiteral("Telefoon"),
            QStringLiteral("E-mail"),
            QStringLiteral("Geb.datum"),
            QStringLiteral("Paspoort")};
}

QString PersoonNaam(const brlib::stPersoon& persoon, const QStringList& labels)
{
    if (!labels.contains(kNaam))
        return persoon.waarden.value(0).trimmed();
    const QString naam = Waarde(persoon, labels, kNaam);
    const QString voornaam = Waarde(persoon, labels, kVoornaam);
    if (voornaam.isEmpty())
        return naam;
    return naam.isEmpty() ? voornaam : naam + QStringLiteral(", ") + voornaam;
}

QStringList ReserveringWaarden(const brlib::RsvReservering& res)
{
    return res.relatieLabels.isEmpty() ? res.gastRegels : res.relatieWaarden;
}

std::optional<brlib::stVoorReg> VoorRegVanKamer(const std::vector<brlib::stVoorReg>& voorRegs, int32_t kamerNr)
{
    for (const brlib::stVoorReg& v : voorRegs)
        if (v.kamerNr == kamerNr)
            return v;
    return std::nullopt;
}

bool HeeftWaarde(const QStringList& waarden)
{
    for (const QString& w : waarden)
        if (!w.trimmed().isEmpty())
            return true;
    return false;
}

QStringList RelatieRijen(const std::function<QString(int)>& veld)
{
    return KaartRijen(veld) << QString() << QString();
}

}  // namespace incheck
