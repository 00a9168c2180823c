#pragma once
// What the management overview shows for the chosen view, without widgets:
// the days of a day, week, month or year, the step of its "<<" and ">>"
// buttons, and the points of its chart with their average.

#include <vector>
#include <QString>

#include "host/base/DatumHulp.h"
#include "reports/Bezetting.h"

namespace bezetting {

enum class Weergave { Dag, Week, Maand, Jaar };

struct Keuze {
    Weergave weergave = Weergave::Dag;
    TDateTime dag = 0;  // Dag
    int week = 1;       // Week, of `jaar`
    int maand = 1;      // Maand, of `jaar`
    int jaar = 0;       // Week, Maand and Jaar

    // Every view on the day, week, month and year of `vandaag`.
    static Keuze Rond(TDateTime vandaag, Weergave weergave);
};

DatumBereik BereikVan(const Keuze& keuze);
// One day, week, month or year back (-1) or on (+1) in the chosen view;
// weeks and months roll over into the neighbouring year.
Keuze Stap(Keuze keuze, int richting);

struct GrafiekPunt {
    QString label;   // for the label/value table
    QString as;      // for the chart's axis
    double bezet = 0;
    double geblok = 0;
};

// Per day, or per month in the year view.
std::vector<GrafiekPunt> GrafiekPunten(const Bezetting& b, Weergave weergave);
// The average occupancy of the points, rounded to 2 decimals; 0 without points.
double Gemiddeld(const std::vector<GrafiekPunt>& punten);

}  // namespace bezetting
