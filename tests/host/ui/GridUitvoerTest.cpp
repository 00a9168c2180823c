#include "tests/host/ui/GridTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>

#include "host/ui/GridExport.h"
#include "host/ui/GridUitvoer.h"
#include "host/ui/TGridView.h"
#include "tests/support/ScriptedMessages.h"

namespace {

class GridUitvoerTest : public GridTest {
protected:
    void Vul(TGridView& grid, int rijen)
    {
        grid.CheckIniFileName(Layout("RsvZoekRes.gvl",
                                     "[boeknr]\ntitel=Boeknr.\n[naam]\ntitel=Naam\n[intern]\nzichtbaar=nee\n"
                                     "[begindat]\ntitel=Aankomst\n[bedrag]\ntitel=Bedrag\nformaat=#,##0.00\n"));
        grid.Execute([&] {
            for (int i = 0; i < rijen; ++i) {
                const QString boeknr = QString("27/%1").arg(i + 1, 5, 10, QChar('0'));
                const QString naam = i == 0 ? QString("Vries; de \"Jan\"") : QString("Gast %1").arg(i);
                const TDateTime van = EncodeDate(2027, 3, 1) + i;
                const double bedrag = 1234.5 + i;
                grid.FillNewCol("boeknr", &boeknr);
                grid.FillNewCol("naam", &naam);
                grid.FillNewCol("intern", &boeknr);
                grid.FillNewColDatum("begindat", &van);
                grid.FillNewCol("bedrag", &bedrag);
                grid.EndGroup();
            }
        });
    }
};

}  // namespace

TEST_F(GridUitvoerTest, CsvHoldsTheVisibleColumnsAsShown)
{
    TGridView grid;
    Vul(grid, 2);
    const QByteArray csv = GridCsv(grid);
    EXPECT_EQ(csv,
              "\xEF\xBB\xBF"
              "Boeknr.;Naam;Aankomst;Bedrag\r\n"
              "27/00001;\"Vries; de \"\"Jan\"\"\";01-03-2027;1.234,50\r\n"
              "27/00002;Gast 1;02-03-2027;1.235,50\r\n");
}

TEST_F(GridUitvoerTest, CsvFollowsTheColumnOrderOnScreen)
{
    TGridView grid;
    Vul(grid, 1);
    grid.horizontalHeader()->moveSection(4, 0);
    EXPECT_TRUE(GridCsv(grid).startsWith("\xEF\xBB\xBF" "Bedrag;Boeknr.;Naam;Aankomst\r\n"));
}

TEST_F(GridUitvoerTest, QuotesOnlyWhereNeeded)
{
    EXPECT_EQ(CsvVeld("gewoon"), "gewoon");
    EXPECT_EQ(CsvVeld(" rand"), "\" rand\"");
    EXPECT_EQ(CsvVeld("twee\nregels"), "\"twee\nregels\"");
}

TEST_F(GridUitvoerTest, PrintAndExportWithoutDialogsUnderAScope)
{
    TGridView grid;
    Vul(grid, 200);  // more than one page
    grid.PrintZetKopRegels("Overzicht reserveringen", "Overzicht per jaar: 2027");
    const QString uit = map_.filePath("uit");
    QDir().mkpath(uit);
    GridUitvoerScope scope(uit);
    ASSERT_TRUE(grid.Print());
    ASSERT_TRUE(grid.Export());
    const QFileInfo pdf(uit + "/RsvZoekRes.pdf");
    ASSERT_TRUE(pdf.exists());
    EXPECT_GT(pdf.size(), 2000);
    QFile f(pdf.filePath());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
    EXPECT_EQ(QFileInfo(uit + "/RsvZoekRes.csv").size(), GridCsv(grid).size());
}

TEST_F(GridUitvoerTest, APrintOfManyRowsTakesMorePages)
{
    TGridView weinig, veel;
    Vul(weinig, 3);
    Vul(veel, 300);
    ASSERT_TRUE(weinig.PrintPdf(map_.filePath("weinig.pdf")));
    ASSERT_TRUE(veel.PrintPdf(map_.filePath("veel.pdf")));
    auto paginas = [](const QString& pad) {
        QFile f(pad);
        f.open(QIODevice::ReadOnly);
        const QByteArray inhoud = f.readAll();
        return inhoud.count("/Type /Page\n") + inhoud.count("/Type /Page\r") + inhoud.count("/Type /Page ");
    };
    EXPECT_GE(paginas(map_.filePath("weinig.pdf")), 1);
    EXPECT_GT(paginas(map_.filePath("veel.pdf")), paginas(map_.filePath("weinig.pdf")));
}

TEST_F(GridUitvoerTest, AnExportThatCannotBeWrittenSaysSoAndLeavesNoFile)
{
    TGridView grid;
    grid.setWindowTitle("Overzicht reserveringen");
    Vul(grid, 2);
    ScriptedMessages berichten;
    const QString pad = map_.filePath("bestaat-niet/RsvZoekRes.csv");
    EXPECT_FALSE(grid.Export(pad));
    EXPECT_FALSE(QFile::exists(pad));
    ASSERT_EQ(berichten.Gezien().size(), 1u);
    EXPECT_EQ(berichten.Laatste().kind, MsgKind::Error);
    EXPECT_TRUE(berichten.Laatste().tekst.startsWith("Kan het bestand"));
    EXPECT_EQ(berichten.Laatste().titel, "Overzicht reserveringen");
}
