// The management overview: its views, the table with its total, the chart with
// its average, the keyboard steps, and the pictures of the demo hotel.

#include <memory>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "host/base/HuidigeDatum.h"
#include "host/records/Werkstation.h"
#include "host/ui/GridUitvoer.h"
#include "host/ui/TGridView.h"
#include "reports/Rsvovmanagunit.h"
#include "reports/Rsvovrapportunit.h"
#include "tests/reports/RapportTest.h"
#include "tests/support/KamerBouwer.h"
#include "tests/support/Schermafdruk.h"

namespace {

QString Cel(const TGridView& grid, const char* kolom, int rij)
{
    return grid.GetCells(grid.GetKolomNummer(QString::fromLatin1(kolom)), rij);
}

class ManagFormTest : public RapportTest {
protected:
    TfrmRsvOvManag& Open()
    {
        form_ = std::make_unique<TfrmRsvOvManag>(nullptr, nullptr);
        form_->show();
        return *form_;
    }

    TDateTime vandaag_ = Dag(2026, 3, 10);
    HuidigeDatumVast vast_{vandaag_};
    std::unique_ptr<TfrmRsvOvManag> form_;
};

TEST_F(ManagFormTest, TheWeekTableEndsWithTheTotalAndTheChartWithTheAverage)
{
    MaakKamers(4, 2026);
    Boek(vandaag_ - 1, 2, 101, 2);  // Monday and Tuesday .. Wednesday: 3 days
    Boek(vandaag_ + 4, 3, 102, 1);  // Saturday .. Sunday within the week

    TfrmRsvOvManag& form = Open();
    EXPECT_FALSE(form.pgOv->isTabVisible(1)) << "the day view has no chart";
    form.pgMain->setCurrentIndex(1);
    EXPECT_TRUE(form.pgOv->isTabVisible(1));
    EXPECT_EQ(form.edtWeek->text(), QStringLiteral("11"));

    TGridView& tabel = *form.gvOverzicht;
    ASSERT_EQ(tabel.RijAantal(), 8);
    EXPECT_EQ(Cel(tabel, "kamers_bezet", 0), QStringLiteral("1"));
    EXPECT_EQ(Cel(tabel, "perc_bezet", 0), QStringLiteral("25,00"));
    EXPECT_EQ(Cel(tabel, "datum", 7), QStringLiteral("TOTAAL"));
    EXPECT_EQ(Cel(tabel, "pers_bezet", 7), QStringLiteral("8"));

    TGridView& waarden = *form.gvValues;
    ASSERT_EQ(waarden.RijAantal(), 8);
    EXPECT_EQ(Cel(waarden, "label", 7), QStringLiteral("Gemiddeld"));
    EXPECT_EQ(Cel(waarden, "value", 7), QStringLiteral("17,86"));  // 5 room-days of 28
    const auto reeksen = form.Chart->chart()->series();
    ASSERT_EQ(reeksen.size(), 1);
    const auto sets = static_cast<QStackedBarSeries*>(reeksen[0])->barSets();
    EXPECT_EQ(sets[0]->label(), QStringLiteral("Bezetting"));
    EXPECT_EQ(sets[1]->label(), QStringLiteral("Geblokkeerd"));
    form.pgOv->setCurrentIndex(1);
    Schermafdruk(form, QStringLiteral("management-week"));
}

TEST_F(ManagFormTest, CtrlArrowsStepTheCurrentViewWhicheverControlHasTheFocus)
{
    TfrmRsvOvManag& form = Open();
    form.pgMain->setCurrentIndex(2);
    form.cmbxMaand->setFocus();
    QTest::keyClick(form.cmbxMaand, Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(form.cmbxMaand, Qt::Key_Left, Qt::ControlModifier);
    QTest::keyClick(form.cmbxMaand, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(form.cmbxMaand->currentIndex(), 11);
    EXPECT_EQ(form.Huidige().jaar, 2025);
    EXPECT_EQ(form.gvOverzicht->RijAantal(), 32);

    form.pgMain->setCurrentIndex(3);
    QTest::keyClick(form.edtJaar, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(form.edtJaar->text(), QStringLiteral("2027"));
    EXPECT_EQ(form.gvValues->RijAantal(), 13);
    EXPECT_EQ(form.btnJaarPlus->toolTip(), QStringLiteral("Volgende (Ctrl+Rechts)"));
}

// The pictures in docs/: the demo hotel's lists as PDF and the management
// overview, written to $RSV_SCHERMAFDRUK when it is set.
TEST(DemoRapporten, TheDemoHotelsListsPrintAndItsYearShowsInTheOverview)
{
    QTemporaryDir tijdelijk;
    const QString hotel = tijdelijk.filePath(QStringLiteral("hotel"));
    qputenv("RSV_VANDAAG", "2026-03-10");
    QProcess demo;
    demo.start(QCoreApplication::applicationDirPath() + QStringLiteral("/rsvdemo"), {hotel});
    ASSERT_TRUE(demo.waitForFinished(60000));
    ASSERT_EQ(demo.exitCode(), 0) << demo.readAllStandardError().toStdString();
    const brlib::WerkstationScope scope(std::make_shared<brlib::Werkstation>(hotel));
    const HuidigeDatumVast vast(EncodeDate(2026, 3, 10));
    const QString map = qEnvironmentVariable("RSV_SCHERMAFDRUK", tijdelijk.path());

    TfrmRsvOvRapport rapport(nullptr, nullptr);
    rapport.show();
    const GridUitvoerScope uitvoer(map);
    for (QWidget* tab : {rapport.tbSchoonmaak, rapport.tbOntbijt, rapport.tbPersonen}) {
        rapport.pgMain->setCurrentWidget(tab);
        if (tab == rapport.tbOntbijt) {
            rapport.btnEindDagPlus->click();
            Schermafdruk(rapport, QStringLiteral("rapportage"));
        }
        ASSERT_TRUE(rapport.btnAfdrukken->isEnabled());
        rapport.btnAfdrukken->click();
    }
    for (const char* lijst : {"RsvSchnmkLijst", "RsvOntbLijst", "RsvAanwPersonen"})
        EXPECT_TRUE(QFile::exists(map + QLatin1Char('/') + QLatin1String(lijst) + QStringLiteral(".pdf"))) << lijst;

    TfrmRsvOvManag manag(nullptr, nullptr);
    manag.show();
    manag.pgMain->setCurrentIndex(2);
    manag.pgOv->setCurrentIndex(1);
    EXPECT_GT(manag.Cijfers().dagen[9].kamersBezet, 0);
    Schermafdruk(manag, QStringLiteral("management-maand"));
    manag.pgOv->setCurrentIndex(0);
    Schermafdruk(manag, QStringLiteral("management-tabel"));
}

}  // namespace
