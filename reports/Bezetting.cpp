#include "reports/Bezetting.h"

#include <algorithm>
#include <cmath>
#include <QRegularExpression>

#include "checkin/PersoonGegevens.h"
#include "reports/ReserveringScan.h"

namespace bezetting {

namespace {

const QString kGeboorteLabel = QStringLiteral("Geb.datum");

double Procent(int deel, int totaal) { return totaal > 0 ? deel * 100.0 / totaal : 0.0; }

bool HeeftPersonen(const brlib::RsvReservering& res)
{
    return std::any_of(res.kamerRegels.begin(), res.kamerRegels.end(),
                       [](const brlib::stRes& r) { return !r.inCheck.personen.empty(); });
}

bool IsIngecheckt(const brlib::RsvReservering& res)
{
    return std::any_of(res.kamerRegels.begin(), res.kamerRegels.end(),
                       [](const brlib::stRes& r) { return !r.inCheck.sleutel.IsLeeg(); });
}

}  // namespace

double Rond2(double waarde) { return std::round(waarde * 100.0) / 100.0; }

int Leeftijd(const QDate& geboren, const QDate& peildatum)
{
    QDate verjaardag(peildatum.year(), geboren.month(), geboren.day());
    if (!verjaardag.isValid())
        verjaardag = QDate(peildatum.year(), 3, 1);
    const int jaren = peildatum.year() - geboren.year();
    return peildatum < verjaardag ? jaren - 1 : jaren;
}

QDate LeesGeboorteDatum(const QString& tekst)
{
    static const QRegularExpression dmj(QStringLiteral(R"(^\s*(\d{1,2})[-/.](\d{1,2})[-/.](\d{4})\s*$)"));
    static const QRegularExpression jmd(QStringLiteral(R"(^\s*(\d{4})-(\d{1,2})-(\d{1,2})\s*$)"));
    if (const auto m = dmj.match(tekst); m.hasMatch())
        return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (const auto m = jmd.match(tekst); m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return {};
}

int Volwassenen(const brlib::stRes& regel, const QStringList& labels, TDateTime begin)
{
    const int veld = labels.indexOf(kGeboorteLabel);
    if (veld < 0)
        return 0;
    const QDate peildatum = ToQDate(begin);
    int volwassenen = 0;
    for (const brlib::stPersoon& persoon : regel.inCheck.personen) {
        const QDate geboren = LeesGeboorteDatum(persoon.waarden.value(veld));
        if (geboren.isValid() && Leeftijd(geboren, peildatum) >= kLeeftijdVolwassen)
            ++volwassenen;
    }
    return volwassenen;
}

BezettingTeller::BezettingTeller(DatumBereik bereik, const std::vector<brlib::stKamer>& kamers)
    : bereik_(bereik), kamers_(kamers)
{
    for (const brlib::stKamer& k : kamers)
        maxPersonen_[k.kamerNr] = k.maxPersonen;
}

int BezettingTeller::KamerIndex(int32_t kamerNr)
{
    const auto [plek, nieuw] = kamerIndex_.try_emplace(kamerNr, static_cast<int>(bezet_.size()));
    if (nieuw) {
        bezet_.emplace_back(bereik_.Dagen());
        geblokkeerd_.emplace_back(bereik_.Dagen());
    }
    return plek->second;
}

int BezettingTeller::MaxPersonen(int32_t kamerNr) const
{
    const auto plek = maxPersonen_.find(kamerNr);
    return plek == maxPersonen_.end() ? 0 : plek->second;
}

std::pair<int, int> BezettingTeller::Dagen(const brlib::stRes& regel) const
{
    TDateTime laatste = std::min(DateOf(regel.eind), bereik_.laatste);
    if (regel.verplaatstNaar > 0 && regel.eind >= bereik_.eerste && regel.eind <= bereik_.laatste)
        laatste -= 1;
    const TDateTime eerste = std::max(DateOf(regel.begin), bereik_.eerste);
    return {static_cast<int>(eerste - bereik_.eerste), static_cast<int>(laatste - bereik_.eerste)};
}

void BezettingTeller::VoegBezet(const brlib::stRes& regel, int volwassenen)
{
    const auto [eerste, laatste] = Dagen(regel);
    if (eerste > laatste)
        return;
    std::vector<Telling>& dagen = bezet_[KamerIndex(regel.kamerNr)];
    for (int dag = eerste; dag <= laatste; ++dag) {
        Telling& t = dagen[dag];
        t.personen = std::max(t.personen, 0) + regel.personen;
        t.volwassenen += volwassenen;
    }
}

void BezettingTeller::VoegGeblokkeerd(const brlib::stRes& regel)
{
    const int max = MaxPersonen(regel.kamerNr);
    const auto [eerste, laatste] = Dagen(regel);
    if (max <= 0 || eerste > laatste)
        return;
    std::vector<Telling>& dagen = geblokkeerd_[KamerIndex(regel.kamerNr)];
    for (int dag = eerste; dag <= laatste; ++dag)
        dagen[dag].personen = max;
}

void BezettingTeller::Voeg(const brlib::RsvReservering& res)
{
    if (res.soort == 2) {
        for (const brlib::stRes& regel : res.kamerRegels)
            VoegGeblokkeerd(regel);
        return;
    }
    if (res.soort != 0)
        return;
    const QStringList labels = HeeftPersonen(res) ? incheck::PersoonLabels(res) : QStringList();
    for (const brlib::stRes& regel : res.kamerRegels)
        if (regel.personen > 0)
            VoegBezet(regel, Volwassenen(regel, labels, res.begin));
}

DagBezetting BezettingTeller::Dag(int dag) const
{
    DagBezetting d;
    d.datum = bereik_.eerste + dag;
    for (const brlib::stKamer& k : kamers_)
        d.kamersTotaal += k.beschikbaarVanaf == 0 || k.beschikbaarVanaf <= d.datum ? 1 : 0;
    for (const auto& dagen : bezet_)
        if (dagen[dag].personen >= 0) {
            ++d.kamersBezet;
            d.persBezet += dagen[dag].personen;
            d.persVolwas += dagen[dag].volwassenen;
        }
    for (const auto& dagen : geblokkeerd_)
        if (dagen[dag].personen >= 0) {
            ++d.kamersGeblok;
            d.persGeblok += dagen[dag].personen;
        }
    d.percBezet = Procent(d.kamersBezet, d.kamersTotaal);
    d.percGeblok = Procent(d.kamersGeblok, d.kamersTotaal);
    d.percSom = Rond2(d.percBezet + d.percGeblok);
    d.persKinder = d.persBezet - d.persVolwas;
    d.persTotaal = d.persBezet + d.persGeblok;
    return d;
}

Bezetting BezettingTeller::Sluit(bool perMaand) const
{
    Bezetting b;
    for (int dag = 0; dag < bereik_.Dagen(); ++dag)
        b.dagen.push_back(Dag(dag));
    if (!perMaand)
        return b;
    for (const DagBezetting& d : b.dagen) {
        const QDate datum = ToQDate(d.datum);
        if (b.maanden.empty() || b.maanden.back().maand != datum.month() || b.maanden.back().jaar != datum.year())
            b.maanden.push_back({datum.year(), datum.month()});
        MaandBezetting& m = b.maanden.back();
        m.kamersBezet += d.kamersBezet;
        m.kamersGeblok += d.kamersGeblok;
        m.kamersTotaal += d.kamersTotaal;
    }
    for (MaandBezetting& m : b.maanden) {
        m.percBezet = Rond2(Procent(m.kamersBezet, m.kamersTotaal));
        m.percGeblok = Rond2(Procent(m.kamersGeblok, m.kamersTotaal));
    }
    return b;
}

Bezetting BerekenBezetting(DatumBereik bereik, const std::vector<brlib::stKamer>& kamers, bool perMaand)
{
    BezettingTeller teller(bereik, kamers);
    const rapport::ScanBereik scan{Jaar(bereik.eerste), Jaar(bereik.laatste), bereik.eerste, bereik.laatste};
    brlib::RsvReserveringCursorRandom personen;
    rapport::ScanReserveringen(scan, {0, 2}, brlib::roInChecks, [&](const brlib::RsvReservering& res) {
        // Only checked-in rooms have persons with a birth date; the rest need not read them.
        teller.Voeg(res.soort == 0 && IsIngecheckt(res) ? personen.At(res.sleutel, brlib::roAlles) : res);
    });
    return teller.Sluit(perMaand);
}

}  // namespace bezetting
