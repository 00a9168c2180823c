#include "reports/RapportLijsten.h"

#include <algorithm>

#include "checkin/PersoonGegevens.h"
#include "reports/ReserveringScan.h"

namespace rapport {

namespace {

// A list of January days may hold reservations stored under the previous
// year (a reservation lives in the files of its begin year).
ScanBereik Bereik(TDateTime van, TDateTime tot)
{
    const int jaar = Jaar(van);
    return {ToQDate(van).month() == 1 ? jaar - 1 : jaar, Jaar(tot), DateOf(van), DateOf(tot)};
}

bool Uitgecheckt(const brlib::stRes& regel) { return regel.inCheck.uitgecheckt; }
bool Verplaatst(const brlib::stRes& regel) { return regel.verplaatstNaar > 0; }

template <class Lijst, class Voeg>
Lijst Bouw(TDateTime van, TDateTime tot, unsigned opties, Voeg voeg)
{
    Lijst lijst;
    ScanReserveringen(Bereik(van, tot), {0}, opties, [&](const brlib::RsvReservering& res) { voeg(lijst, res); });
    return lijst;
}

}  // namespace

KamerRegel& KamerLijst::Kamer(int32_t kamerNr)
{
    const auto [plek, nieuw] = plek_.try_emplace(kamerNr, regels_.size());
    if (nieuw)
        regels_.push_back(KamerRegel{kamerNr});
    return regels_[plek->second];
}

std::vector<KamerRegel> KamerLijst::Gesorteerd() &&
{
    std::sort(regels_.begin(), regels_.end(),
              [](const KamerRegel& a, const KamerRegel& b) { return a.kamerNr < b.kamerNr; });
    return std::move(regels_);
}

void VoegSchoonmaakToe(KamerLijst& lijst, const brlib::RsvReservering& res, TDateTime dag)
{
    for (const brlib::stRes& regel : res.kamerRegels) {
        if (regel.begin > dag || regel.eind < dag)
            continue;
        KamerRegel& r = lijst.Kamer(regel.kamerNr);
        r.aankomst |= regel.begin == dag;
        r.blijft |= regel.begin < dag && dag < regel.eind;
        r.vertrek |= regel.eind == dag;
    }
}

void VoegMaaltijdenToe(KamerLijst& lijst, const brlib::RsvReservering& res, TDateTime van,
                       TDateTime tot)
{
    for (const brlib::stRes& regel : res.kamerRegels) {
        if (regel.begin > tot || regel.eind < van || Uitgecheckt(regel) || regel.personen <= 0)
            continue;
        int dagen = DagenInclusief(std::max(regel.begin, van), std::min(regel.eind, tot));
        if (Verplaatst(regel) && regel.eind <= tot)
            --dagen;
        if (dagen <= 0)
            continue;
        KamerRegel& r = lijst.Kamer(regel.kamerNr);
        const int aantal = dagen * regel.personen;
        r.ontbijt += res.extra[0] ? aantal : 0;
        r.lunch += res.extra[1] ? aantal : 0;
        r.diner += res.extra[2] ? aantal : 0;
    }
}

void VoegGastenToe(std::vector<GastRegel>& lijst, const brlib::RsvReservering& res, TDateTime dag)
{
    const QStringList labels = incheck::PersoonLabels(res);
    for (const brlib::stRes& regel : res.kamerRegels) {
        if (regel.begin > dag || regel.eind < dag || Uitgecheckt(regel) || (Verplaatst(regel) && regel.eind == dag))
            continue;
        for (const brlib::stPersoon& persoon : regel.inCheck.personen) {
            GastRegel gast{regel.kamerNr, persoon.GetNaam(labels).trimmed(), persoon.GetPlaats(labels).trimmed()};
            if (!gast.naam.isEmpty() || !gast.plaats.isEmpty())
                lijst.push_back(gast);
        }
    }
}

std::vector<KamerRegel> SchoonmaakLijst(TDateTime dag)
{
    return Bouw<KamerLijst>(dag, dag, brlib::roRegels, [&](auto& l, const auto& res) {
               VoegSchoonmaakToe(l, res, DateOf(dag));
           }).Gesorteerd();
}

std::vector<KamerRegel> MaaltijdLijst(TDateTime van, TDateTime tot)
{
    return Bouw<KamerLijst>(van, tot, brlib::roInChecks, [&](auto& l, const auto& res) {
               VoegMaaltijdenToe(l, res, DateOf(van), DateOf(tot));
           }).Gesorteerd();
}

std::vector<GastRegel> GastenLijst(TDateTime dag)
{
    auto lijst = Bouw<std::vector<GastRegel>>(dag, dag, brlib::roPersonen | brlib::roTeksten,
                                               [&](auto& l, const auto& res) { VoegGastenToe(l, res, DateOf(dag)); });
    std::sort(lijst.begin(), lijst.end(), [](const GastRegel& a, const GastRegel& b) {
        return a.kamerNr != b.kamerNr ? a.kamerNr < b.kamerNr : a.naam < b.naam;
    });
    return lijst;
}

}  // namespace rapport
