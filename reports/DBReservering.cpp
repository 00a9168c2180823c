#include "reports/DBReservering.h"

#include <functional>
#include <map>

#include "host/base/DatumTekst.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/printing/Dbl2Str.h"
#include "host/tillra/Afronding.h"
#include "reports/ReserveringProducten.h"

namespace {

const QString kRegels = QStringLiteral("*regels");

QString Bedrag(double waarde) { return Dbl2Str(waarde, 12, 2, true).trimmed(); }
QString Datum(TDateTime d) { return FormatDateTime(QStringLiteral("dd-mm-yyyy"), d); }

const std::vector<Printing::DataBron::t_Veld>& Velden()
{
    using V = Printing::DataBron;
    static const std::vector<V::t_Veld> velden{
        {V::veldTekst, QStringLiteral("Boekingsnummer"), QStringLiteral("*resboeknr"), false, 0, {}},
        {V::veldRegels, QStringLiteral("Producten"), kRegels, true, 0, {}},
        {V::veldTekst, QStringLiteral("Registratiedatum"), QStringLiteral("*regdatum"), false, 0, {}},
        {V::veldTekst, QStringLiteral("Relatiegegevens"), QStringLiteral("*relgeg"), false, 0, {}},
        {V::veldTekst, QStringLiteral("Extra"), QStringLiteral("*extra"), false, 0, {}},
        {V::veldBedrag, QStringLiteral("Totaal bedrag"), QStringLiteral("*totbedrag"), false, 0, {}},
        {V::veldTekst, QStringLiteral("Res_BeginDatum"), QStringLiteral("*res_begdat"), false, 0, {}},
        {V::veldTekst, QStringLiteral("Res_EindDatum"), QStringLiteral("*res_einddat"), false, 0, {}},
        {V::veldTekst, QStringLiteral("Res_Kamernummer"), QStringLiteral("*res_kamernr"), false, 0, {}},
        {V::veldTekst, QStringLiteral("Res_Prijs"), QStringLiteral("*res_prijs"), false, 0, {}},
        {V::veldTekst, QStringLiteral("Res_Bedrag"), QStringLiteral("*res_bedrag"), false, 0, {}},
        {V::veldTekst, QStringLiteral("Res_Tariefsoort"), QStringLiteral("*res_tariefsrt"), false, 0, {}},
        {V::veldTekst, QStringLiteral("Res_Personen"), QStringLiteral("*res_personen"), false, 0, {}},
        {V::veldBedrag, QStringLiteral("Producten totaal bedrag"), QStringLiteral("*prodtotbedrag"), false, 0, {}},
    };
    return velden;
}

// The value of one room line for a per-room field.
using KamerVeld = std::function<QString(const brlib::stRes&)>;

const std::map<QString, KamerVeld>& KamerVelden()
{
    static const std::map<QString, KamerVeld> velden{
        {QStringLiteral("*res_begdat"), [](const brlib::stRes& r) { return Datum(r.begin); }},
        {QStringLiteral("*res_einddat"), [](const brlib::stRes& r) { return Datum(r.eind); }},
        {QStringLiteral("*res_kamernr"), [](const brlib::stRes& r) { return QString::number(r.kamerNr); }},
        {QStringLiteral("*res_prijs"), [](const brlib::stRes& r) { return Bedrag(r.prijs); }},
        {QStringLiteral("*res_bedrag"), [](const brlib::stRes& r) { return Bedrag(r.bedrag); }},
        {QStringLiteral("*res_tariefsrt"), [](const brlib::stRes& r) { return r.tariefCode; }},
        {QStringLiteral("*res_personen"),
         [](const brlib::stRes& r) { return r.personen == 0 ? QString() : QString::number(r.personen); }},
    };
    return velden;
}

// "*regels*bedrag" is "*regels" with the line field "*bedrag"; a code without a
// second "*" has no rest.
std::pair<QString, QString> SplitsCode(const QString& code)
{
    const qsizetype tweede = code.indexOf(u'*', 1);
    if (tweede < 0)
        return {code, QString()};
    return {code.left(tweede), code.mid(tweede)};
}

}  // namespace

DBReservering::DBReservering() { Velden(); }

std::vector<Printing::DataBron::t_Veld> DBReservering::GetVelden() const { return Velden(); }

void DBReservering::ClearSelectie()
{
    selectie_.clear();
    huidig_ = -1;
}

void DBReservering::SetSelectie(const std::vector<JaarNr>& selectie)
{
    selectie_ = selectie;
    huidig_ = 0;
    DataBron::Eerste();
}

bool DBReservering::GaNaar(int positie)
{
    if (positie < 0 || positie >= Aantal()) {
        huidig_ = -1;
        return false;
    }
    huidig_ = positie;
    Laad(selectie_[static_cast<size_t>(positie)]);
    return true;
}

void DBReservering::Laad(const JaarNr& sleutel)
{
    brlib::RsvReserveringCursorRandom cursor;
    res_ = cursor.At(sleutel);
    regels_ = ReserveringProducten(res_);
    regelBron_.SetRegels(regels_, res_.begin);
}

bool DBReservering::GetTekst(const QString& code, QString& tekst)
{
    if (huidig_ < 0) {
        if (GetDispCodes())
            tekst = u'[' + code + u']';
        return true;
    }
    const auto [basis, rest] = SplitsCode(code);
    if (basis == QStringLiteral("*resboeknr"))
        tekst = res_.boekNr;
    else if (basis == QStringLiteral("*regdatum"))
        tekst = Datum(res_.regDatum);
    else if (basis == QStringLiteral("*relgeg"))
        tekst = (res_.relatieLabels.isEmpty() ? res_.gastRegels : res_.relatieWaarden).join(u'\n');
    else if (basis == QStringLiteral("*extra"))
        tekst = res_.extraRegels.join(u'\n');
    else if (basis == QStringLiteral("*totbedrag"))
        tekst = Bedrag(res_.totaalBedrag);
    else if (basis == QStringLiteral("*prodtotbedrag"))
        tekst = Bedrag(ProductTotaal());
    else if (basis == kRegels)
        return regelBron_.GetTekst(rest, tekst);
    else if (KamerVelden().contains(basis))
        tekst = KamerWaarden(basis);
    else
        return false;
    return true;
}

QString DBReservering::KamerWaarden(const QString& basis) const
{
    const KamerVeld& veld = KamerVelden().at(basis);
    QStringList waarden;
    for (const brlib::stRes& regel : res_.kamerRegels)
        waarden << veld(regel);
    return waarden.join(u'\n');
}

// Summed first and rounded once, as the till totals a bill.
double DBReservering::ProductTotaal() const
{
    double som = 0;
    for (const Tillra::t_BonRegel& regel : regels_)
        som += regel.getBedragIncl(res_.begin);
    return Tillra::rondaf(som, 2);
}

bool DBReservering::GetBedrag(const QString& code, double& bedrag)
{
    const auto [basis, rest] = SplitsCode(code);
    return basis == kRegels && regelBron_.GetBedrag(rest, bedrag);
}

bool DBReservering::GetGetal(const QString& code, int& getal)
{
    const auto [basis, rest] = SplitsCode(code);
    return basis == kRegels && regelBron_.GetGetal(rest, getal);
}

Printing::DataBron* DBReservering::GetSubBron(const QString& code) { return code == kRegels ? &regelBron_ : nullptr; }

QString DBReservering::ObjectNaam(bool meervoud, bool hoofdletter) const
{
    return Naam(QStringLiteral("reservering"), QStringLiteral("reserveringen"), meervoud, hoofdletter);
}

void DBReservering::DispCodeChange()
{
    regelBron_.SetDispCodes(GetDispCodes());
    DataBron::DispCodeChange();
}
