#include "reports/ManagWeergave.h"

#include "host/base/DatumTekst.h"

namespace bezetting {

Keuze Keuze::Rond(TDateTime vandaag, Weergave weergave)
{
    const QDate d = ToQDate(vandaag);
    int weekJaar = d.year();  // early January or late December may be in a week of the neighbouring year
    Keuze k;
    k.weergave = weergave;
    k.dag = DateOf(vandaag);
    k.week = d.weekNumber(&weekJaar);
    k.maand = d.month();
    k.jaar = weergave == Weergave::Week ? weekJaar : d.year();
    return k;
}

DatumBereik BereikVan(const Keuze& keuze)
{
    switch (keuze.weergave) {
    case Weergave::Dag:
        return {keuze.dag, keuze.dag};
    case Weergave::Week:
        return DagenVanWeek(keuze.jaar, keuze.week);
    case Weergave::Maand:
        return DagenVanMaand(keuze.jaar, keuze.maand);
    case Weergave::Jaar:
        break;
    }
    return {EncodeDate(keuze.jaar, 1, 1), EncodeDate(keuze.jaar, 12, 31)};
}

Keuze Stap(Keuze keuze, int richting)
{
    switch (keuze.weergave) {
    case Weergave::Dag:
        keuze.dag += richting;
        break;
    case Weergave::Week:
        keuze.week += richting;
        if (keuze.week < 1)
            keuze.week = WekenInJaar(--keuze.jaar);
        else if (keuze.week > WekenInJaar(keuze.jaar)) {
            keuze.week = 1;
            ++keuze.jaar;
        }
        break;
    case Weergave::Maand:
        keuze.maand += richting;
        if (keuze.maand < 1 || keuze.maand > 12) {
            keuze.jaar += richting;
            keuze.maand = keuze.maand < 1 ? 12 : 1;
        }
        break;
    case Weergave::Jaar:
        keuze.jaar += richting;
        break;
    }
    return keuze;
}

std::vector<GrafiekPunt> GrafiekPunten(const Bezetting& b, Weergave weergave)
{
    std::vector<GrafiekPunt> punten;
    if (weergave == Weergave::Jaar) {
        for (const MaandBezetting& m : b.maanden) {
            const TDateTime eerste = EncodeDate(m.jaar, m.maand, 1);
            punten.push_back({FormatDateTime(QStringLiteral("mmmm yyyy"), eerste),
                              FormatDateTime(QStringLiteral("mmm yy"), eerste), m.percBezet, m.percGeblok});
        }
        return punten;
    }
    for (const DagBezetting& d : b.dagen)
        punten.push_back({FormatDateTime(QStringLiteral("dd-mm-yyyy"), d.datum),
                          FormatDateTime(weergave == Weergave::Week ? QStringLiteral("ddd d") : QStringLiteral("d"),
                                         d.datum),
                          d.percBezet, d.percGeblok});
    return punten;
}

double Gemiddeld(const std::vector<GrafiekPunt>& punten)
{
    if (punten.empty())
        return 0;
    double som = 0;
    for (const GrafiekPunt& p : punten)
        som += p.bezet;
    return Rond2(som / static_cast<double>(punten.size()));
}

}  // namespace bezetting
