#include "host/printing/DBBonRegels.h"

#include "host/printing/Dbl2Str.h"
#include "host/ui/GridCel.h"

namespace {
const QString kAantal = QStringLiteral("*aantal");
const QString kOmschrijving = QStringLiteral("*omschrijving");
const QString kBereiding = QStringLiteral("*bereiding");
const QString kPrijs = QStringLiteral("*prijs");
const QString kBedrag = QStringLiteral("*bedrag");

QString Bereidingen(const Tillra::t_BonRegel& regel)
{
    QStringList namen;
    for (const Tillra::Bereidingswijze& b : regel.bereidingswijzen)
        namen << b.omschrijving;
    return namen.join(QStringLiteral(", "));
}
}  // namespace

void DBBonRegels::SetRegels(const std::vector<Tillra::t_BonRegel>& regels, TDateTime datum)
{
    regels_ = regels;
    datum_ = datum;
    huidig_ = -1;
}

std::vector<Printing::DataBron::t_Veld> DBBonRegels::GetVelden() const
{
    return {{veldGetal, QStringLiteral("Aantal"), kAantal, false, 0, {}},
            {veldTekst, QStringLiteral("Omschrijving"), kOmschrijving, false, 0, {}},
            {veldTekst, QStringLiteral("Bereidingswijze"), kBereiding, false, 0, {}},
            {veldBedrag, QStringLiteral("Prijs"), kPrijs, false, 0, {}},
            {veldBedrag, QStringLiteral("Bedrag"), kBedrag, false, 0, {}}};
}

void DBBonRegels::ClearSelectie() { huidig_ = -1; }

bool DBBonRegels::GaNaar(int positie)
{
    huidig_ = positie >= 0 && positie < Aantal() ? positie : -1;
    return huidig_ >= 0;
}

const Tillra::t_BonRegel* DBBonRegels::Huidige() const { return huidig_ >= 0 ? &regels_[huidig_] : nullptr; }

bool DBBonRegels::GetTekst(const QString& code, QString& tekst)
{
    const Tillra::t_BonRegel* regel = Huidige();
    if (!regel) {
        if (GetDispCodes())
            tekst = u'[' + code + u']';
        return GetDispCodes();
    }
    const bool tekstRegel = regel->IsTekstRegel();
    double bedrag = 0;
    if (code == kOmschrijving)
        tekst = regel->omschrijving;
    else if (code == kBereiding)
        tekst = Bereidingen(*regel);
    else if (code == kAantal)
        tekst = tekstRegel ? QString() : FormatGetal(regel->aantal, QStringLiteral("0.##"));
    else if (GetBedrag(code, bedrag))
        tekst = tekstRegel ? QString() : Dbl2Str(bedrag, 12, 2, true).trimmed();
    else
        return false;
    return true;
}

bool DBBonRegels::GetBedrag(const QString& code, double& bedrag)
{
    const Tillra::t_BonRegel* regel = Huidige();
    if (!regel)
        return false;
    if (code == kPrijs)
        bedrag = regel->getPrijsIncl(datum_);
    else if (code == kBedrag)
        bedrag = regel->getBedragIncl(datum_);
    else
        return false;
    return true;
}

bool DBBonRegels::GetGetal(const QString& code, int& getal)
{
    const Tillra::t_BonRegel* regel = Huidige();
    if (!regel || code != kAantal)
        return false;
    getal = static_cast<int>(regel->aantal);
    return true;
}

QString DBBonRegels::ObjectNaam(bool meervoud, bool hoofdletter) const
{
    return Naam(QStringLiteral("productregel"), QStringLiteral("productregels"), meervoud, hoofdletter);
}
