#include "logboek/StamVelden.h"

#include "host/base/DatumTekst.h"
#include "host/brlib/Inlezen.h"

namespace logboek {

namespace {

QString Datum(TDateTime d) { return d == 0 ? QString() : FormatDateTime(QStringLiteral("dd-mm-yyyy"), d); }

QString TariefSoortCode(const std::vector<brlib::stTariefSoort>& soorten, int32_t nr)
{
    for (const brlib::stTariefSoort& s : soorten)
        if (s.recNr == nr)
            return s.code;
    return QString::number(nr);
}

QString PeriodeOmschr(const std::vector<brlib::stPeriode>& periodes, int32_t nr)
{
    for (const brlib::stPeriode& p : periodes)
        if (p.recNr == nr)
            return p.omschr;
    return QString::number(nr);
}

}  // namespace

QString StamSleutel(const brlib::stKamer& kamer) { return QStringLiteral("kamer ") + QString::number(kamer.kamerNr); }
QString StamSleutel(const brlib::stKamerType& type) { return QStringLiteral("kamertype ") + type.code; }
QString StamSleutel(const brlib::stTariefSoort& soort) { return QStringLiteral("tariefsoort ") + soort.code; }

Velden StamVelden(const brlib::stKamer& kamer)
{
    return {{QStringLiteral("kamernr"), QString::number(kamer.kamerNr)},
            {QStringLiteral("omschrijving"), kamer.omschr},
            {QStringLiteral("kamertype"), QString::number(kamer.kamerType.recNr)},
            {QStringLiteral("max. personen"), QString::number(kamer.maxPersonen)},
            {QStringLiteral("beschikbaar vanaf"), Datum(kamer.beschikbaarVanaf)}};
}

Velden StamVelden(const brlib::stKamerType& type)
{
    return {{QStringLiteral("code"), type.code}, {QStringLiteral("omschrijving"), type.omschr}};
}

Velden StamVelden(const brlib::stTariefSoort& soort)
{
    return {{QStringLiteral("code"), soort.code},
            {QStringLiteral("omschrijving"), soort.omschr},
            {QStringLiteral("soort"), soort.GetSoortOmschr()}};
}

template <class Item, class Rec>
Velden VeldenVan(int32_t nr, const Rec& rcd)
{
    return rcd.inGebruik ? StamVelden(Item::UitRecord(nr, rcd)) : Velden{};
}

QString StamSleutel(int32_t nr, const WIN_rsv_kamer& rcd) { return StamSleutel(brlib::stKamer::UitRecord(nr, rcd)); }
QString StamSleutel(int32_t nr, const WIN_rsv_kamertype& rcd)
{
    return StamSleutel(brlib::stKamerType::UitRecord(nr, rcd));
}
QString StamSleutel(int32_t nr, const WIN_rsv_tariefsoort& rcd)
{
    return StamSleutel(brlib::stTariefSoort::UitRecord(nr, rcd));
}
Velden StamVelden(int32_t nr, const WIN_rsv_kamer& rcd) { return VeldenVan<brlib::stKamer>(nr, rcd); }
Velden StamVelden(int32_t nr, const WIN_rsv_kamertype& rcd) { return VeldenVan<brlib::stKamerType>(nr, rcd); }
Velden StamVelden(int32_t nr, const WIN_rsv_tariefsoort& rcd) { return VeldenVan<brlib::stTariefSoort>(nr, rcd); }

Velden PeriodeVelden(int jaar)
{
    std::vector<brlib::stPeriode> periodes;
    brlib::InlezenPeriodes(jaar, periodes);
    Velden v;
    for (const brlib::stPeriode& p : periodes)
        v.emplace_back(QStringLiteral("periode ") + p.omschr, Datum(p.begin) + QStringLiteral(" - ") + Datum(p.eind));
    return v;
}

Velden TariefVelden(int jaar, int32_t kamerTypeNr)
{
    brlib::stKamerType type;
    type.recNr = kamerTypeNr;
    brlib::InlezenKamerTypeTarieven(jaar, type);
    std::vector<brlib::stTariefSoort> soorten;
    brlib::InlezenTariefSoorten(soorten);
    std::vector<brlib::stPeriode> periodes;
    brlib::InlezenPeriodes(jaar, periodes);
    Velden v;
    for (const brlib::stTarief& t : type.tarieven)
        v.emplace_back(TariefSoortCode(soorten, t.tariefSoort) + QStringLiteral(" / ") + PeriodeOmschr(periodes, t.periode),
                       QString::number(t.bedrag, 'f', 2));
    return v;
}

}  // namespace logboek
