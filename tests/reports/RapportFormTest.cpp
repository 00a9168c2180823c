// The reports form: its dates, its print buttons, the printed lists and the
// receipts as the till's printer gets them.

#include <memory>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>

#include "host/base/HuidigeDatum.h"
#include "host/base/MachineSettings.h"
#include "host/tillra/KassaPrinter.h"
#include "host/ui/GridUitvoer.h"
#include "host/ui/TGridView.h"
#include "masterdata/KamerStatusOpslag.h"
#include "reports/Rsvovrapportunit.h"
#include "tests/reports/RapportTest.h"

namespace {

class RapportFormTest : public RapportTest {
protected:
    TfrmRsvOvRapport& Open()
    {
        form_ = std::make_unique<TfrmRsvOvRapport>(nullptr, nullptr);
        form_->show();
        return *form_;
    }
    void Klik(QPushButton* knop) const
    {
        ASSERT_TRUE(knop->isEnabled()) << knop->objectName().toStdString();
        knop->click();
    }

    TDateTime vandaag_ = Dag(2026, 3, 10);
    HuidigeDatumVast vast_{vandaag_};
    std::unique_ptr<TfrmRsvOvRapport> form_;
};

TEST_F(RapportFormTest, TheEndDateFollowsTheStartDateSoThePeriodIsNeverReversed)
{
    TfrmRsvOvRapport& form = Open();
    EXPECT_FALSE(form.pnlEindDatum->isVisibleTo(&form));
    form.pgMain->setCurrentWidget(form.tbOntbijt);
    EXPECT_TRUE(form.pnlEindDatum->isVisibleTo(&form));

    form.btnDagPlus->click();
    form.btnDagPlus->click();
    EXPECT_EQ(form.Van(), vandaag_ + 2);
    EXPECT_EQ(form.Tot(), vandaag_ + 2);
    EXPECT_EQ(form.flblEindDatum->text(), QStringLiteral("do 12-03-2026"));
    form.btnEindDagMin->click();
    EXPECT_EQ(form.Van(), vandaag_ + 1);
    EXPECT_EQ(form.Tot(), vandaag_ + 1);
    form.btnEindDagPlus->click();
    EXPECT_EQ(form.Van(), vandaag_ + 1);
}

TEST_F(RapportFormTest, AnEmptyDayLeavesBothPrintButtonsOffAndABookedDayPrintsEachListToPaper)
{
    TfrmRsvOvRapport& form = Open();
    EXPECT_FALSE(form.btnAfdrukken->isEnabled());
    EXPECT_FALSE(form.btnPrintBon->isEnabled());

    Boek(vandaag_ + 1, 2, 101);
    CheckIn(Boek(vandaag_, 3, 102), {{QStringLiteral("Visser"), QStringLiteral("Ede")}});
    form.btnDagPlus->click();
    EXPECT_TRUE(form.btnPrintBon->isEnabled());
    QTemporaryDir map;
    const GridUitvoerScope uitvoer(map.path());
    for (QWidget* tab : {form.tbSchoonmaak, form.tbOntbijt, form.tbPersonen}) {
        form.pgMain->setCurrentWidget(tab);
        Klik(form.btnAfdrukken);
    }
    for (const char* lijst : {"RsvSchnmkLijst", "RsvOntbLijst", "RsvAanwPersonen"})
        EXPECT_GT(QFile(map.filePath(QLatin1String(lijst) + QStringLiteral(".pdf"))).size(), 1000) << lijst;
    EXPECT_EQ(form.gvPersonen->KopRegels(),
              (QStringList{QStringLiteral("Aanwezige gasten"), QStringLiteral("woensdag 11-03-2026")}));
}

TEST_F(RapportFormTest, TheCleaningListShowsHousekeepingsMarkOfEachRoom)
{
    Boek(vandaag_ - 2, 2, 101);
    Boek(vandaag_, 1, 102);
    ASSERT_TRUE(logboek::ZetKamerStatus(101, logboek::ksVuil, QStringLiteral("Schoonmaak")));
    TfrmRsvOvRapport& form = Open();
    ASSERT_EQ(form.gvGrid->RijAantal(), 2);
    QString huishouding;
    ASSERT_TRUE(form.gvGrid->GetCellValue(QStringLiteral("huishouding"), 0, &huishouding));
    EXPECT_EQ(huishouding, QStringLiteral("vuil"));
    ASSERT_TRUE(form.gvGrid->GetCellValue(QStringLiteral("huishouding"), 1, &huishouding));
    EXPECT_EQ(huishouding, QStringLiteral("schoon"));
}

TEST_F(RapportFormTest, EachListGoesToTheReceiptPrinterFortyCharactersWideAndCut)
{
    Boek(vandaag_, 3, 101, 2, 0, {1, 0, 1});
    Boek(vandaag_ - 2, 2, 102);
    Boek(vandaag_, 1, 102, 1);
    CheckIn(Boek(vandaag_ - 1, 3, 103),
            {{QStringLiteral("Visser")},
             {QStringLiteral("Van der Heijden-Zuidervaart tot Oosterhout"), QStringLiteral("Ede")}});
    const QString printer = werkplek_.Dir() + QStringLiteral("/lp0");
    MachineSettings(QStringLiteral("Kassa")).WriteString(QStringLiteral("BonPrinter"), printer);

    TfrmRsvOvRapport& form = Open();
    for (QWidget* tab : {form.tbSchoonmaak, form.tbOntbijt, form.tbPersonen}) {
        form.pgMain->setCurrentWidget(tab);
        Klik(form.btnPrintBon);
    }

    QFile afdruk(printer);
    QFile verwacht(QStringLiteral(RSV_TEST_DATA "/bonnen.txt"));
    ASSERT_TRUE(afdruk.open(QIODevice::ReadOnly));
    ASSERT_TRUE(verwacht.open(QIODevice::ReadOnly));
    EXPECT_EQ(afdruk.readAll(), verwacht.readAll());
}

TEST_F(RapportFormTest, WithoutAReceiptPrinterTheReceiptGoesToTheSpoolFile)
{
    Boek(vandaag_, 1, 101);
    TfrmRsvOvRapport& form = Open();
    Klik(form.btnPrintBon);
    Klik(form.btnPrintBon);
    QFile spool(Tillra::PrinterLijst::SpoolBestand());
    ASSERT_TRUE(spool.open(QIODevice::ReadOnly));
    EXPECT_EQ(spool.readAll().count(Tillra::KassaPrinter::CutCommando()), 2) << "each receipt is appended";
}

TEST_F(RapportFormTest, AReceiptPrinterThatCannotBeReachedPrintsNothing)
{
    Boek(vandaag_, 1, 101);
    MachineSettings(QStringLiteral("Kassa"))
        .WriteString(QStringLiteral("BonPrinter"), werkplek_.Dir() + QStringLiteral("/geen/lp0"));
    TfrmRsvOvRapport& form = Open();
    Klik(form.btnPrintBon);
    EXPECT_FALSE(QFile::exists(werkplek_.Dir() + QStringLiteral("/geen/lp0")));
    EXPECT_TRUE(berichten_.Gezien().empty());
}

}  // namespace
