#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QStackedBarSeries>
#include <QValueAxis>

#include "host/ui/TGridView.h"
#include "reports/Rsvovmanagunit.h"

namespace {

const QString kAsTitel = QStringLiteral("Bed bezetting (%)");

void VulDag(TGridView& grid, const bezetting::DagBezetting& d)
{
    grid.FillNewColDatum(QStringLiteral("datum"), &d.datum);
    grid.FillNewCol(QStringLiteral("perc_bezet"), &d.percBezet);
    grid.FillNewCol(QStringLiteral("kamers_bezet"), &d.kamersBezet);
    grid.FillNewCol(QStringLiteral("perc_geblok"), &d.percGeblok);
    grid.FillNewCol(QStringLiteral("kamers_geblok"), &d.kamersGeblok);
    grid.FillNewCol(QStringLiteral("perc_som"), &d.percSom);
    grid.FillNewCol(QStringLiteral("kamers_totaal"), &d.kamersTotaal);
    grid.FillNewCol(QStringLiteral("pers_bezet"), &d.persBezet);
    grid.FillNewCol(QStringLiteral("pers_geblok"), &d.persGeblok);
    grid.FillNewCol(QStringLiteral("pers_totaal"), &d.persTotaal);
    grid.FillNewCol(QStringLiteral("pers_kinder"), &d.persKinder);
    grid.FillNewCol(QStringLiteral("pers_volwas"), &d.persVolwas);
    grid.EndGroup();
}

void VulTotaal(TGridView& grid, const std::vector<bezetting::DagBezetting>& dagen)
{
    static const QString kTotaal = QStringLiteral("TOTAAL");
    int bezet = 0, geblok = 0, totaal = 0;
    for (const bezetting::DagBezetting& d : dagen) {
        bezet += d.persBezet;
        geblok += d.persGeblok;
        totaal += d.persTotaal;
    }
    grid.FillNewCol(QStringLiteral("tot_tekst"), &kTotaal);
    grid.FillNewCol(QStringLiteral("tot_bezet"), &bezet);
    grid.FillNewCol(QStringLiteral("tot_geblok"), &geblok);
    grid.FillNewCol(QStringLiteral("tot_totaal"), &totaal);
    grid.EndGroup();
}

QBarSet* Reeks(const QString& titel, const QColor& kleur)
{
    auto* reeks = new QBarSet(titel);
    reeks->setColor(kleur);
    reeks->setBorderColor(kleur.darker(130));
    return reeks;
}

void VulWaarden(TGridView& grid, const std::vector<bezetting::GrafiekPunt>& punten)
{
    static const QString kGemiddeld = QStringLiteral("Gemiddeld");
    grid.ResetGrid();
    grid.Execute([&] {
        for (const bezetting::GrafiekPunt& p : punten) {
            grid.FillNewCol(QStringLiteral("label"), &p.label);
            grid.FillNewCol(QStringLiteral("value"), &p.bezet);
            grid.EndGroup();
        }
        if (punten.empty())
            return;
        const double gemiddeld = bezetting::Gemiddeld(punten);
        grid.FillNewCol(QStringLiteral("label"), &kGemiddeld);
        grid.FillNewCol(QStringLiteral("value"), &gemiddeld);
        grid.EndGroup();
    });
}

}  // namespace

void TfrmRsvOvManag::VulOverzicht()
{
    gvOverzicht->ResetGrid();
    gvOverzicht->Execute([&] {
        for (const bezetting::DagBezetting& d : cijfers_.dagen)
            VulDag(*gvOverzicht, d);
        VulTotaal(*gvOverzicht, cijfers_.dagen);
    });
}

void TfrmRsvOvManag::VulGrafiek()
{
    const bezetting::Weergave weergave = Huidige().weergave;
    const std::vector<bezetting::GrafiekPunt> punten =
        weergave == bezetting::Weergave::Dag ? std::vector<bezetting::GrafiekPunt>{} : bezetting::GrafiekPunten(cijfers_, weergave);
    VulWaarden(*gvValues, punten);

    auto* bezet = Reeks(QStringLiteral("Bezetting"), QColor(0x4C, 0xAF, 0x50));
    auto* geblok = Reeks(QStringLiteral("Geblokkeerd"), QColor(0xFF, 0xD5, 0x4F));
    QStringList labels;
    for (const bezetting::GrafiekPunt& p : punten) {
        *bezet << p.bezet;
        *geblok << p.geblok;
        labels << p.as;
    }
    auto* reeksen = new QStackedBarSeries;
    reeksen->append(bezet);
    reeksen->append(geblok);
    auto* grafiek = new QChart;
    grafiek->addSeries(reeksen);
    grafiek->setTitle(kAsTitel + QStringLiteral(" - ") + Titel());
    auto* asX = new QBarCategoryAxis;
    asX->append(labels);
    if (punten.size() > 16) {
        // A month's day numbers fit under their bars only in a small font.
        QFont klein = asX->labelsFont();
        klein.setPointSizeF(klein.pointSizeF() * 0.75);
        asX->setLabelsFont(klein);
    }
    auto* asY = new QValueAxis;
    asY->setRange(0, 100);
    asY->setTitleText(kAsTitel);
    asY->setLabelFormat(QStringLiteral("%d"));
    grafiek->addAxis(asX, Qt::AlignBottom);
    grafiek->addAxis(asY, Qt::AlignLeft);
    reeksen->attachAxis(asX);
    reeksen->attachAxis(asY);
    grafiek->legend()->setAlignment(Qt::AlignBottom);
    QChart* oud = Chart->chart();
    Chart->setChart(grafiek);
    delete oud;
}
