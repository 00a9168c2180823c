#include "tests/host/ui/GridTestSupport.h"

#include <QAbstractItemModel>
#include <QColor>
#include <QFont>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>

#include "host/ui/TGridView.h"
#include "tests/support/ScriptedMessages.h"

namespace {

const QByteArray kInCheckLayout = "[kamernr]\ntitel=Kamer\n[begindat]\ntitel=Van\n[personen]\ntitel=Gasten\n"
                                  "[prijs]\nformaat=0.00\nbewerkbaar=ja\n";

class TGridViewTest : public GridTest {
protected:
    // Two room lines; the first has two guests, so its group has two rows.
    void VulKamers(TGridView& grid)
    {
        grid.Execute([&] {
            const int k1 = 101, k2 = 102;
            const TDateTime van = EncodeDate(2027, 3, 1);
            const double prijs = 89.5;
            const QString jan = "Jan", piet = "Piet", kees = "Kees";
            grid.FillNewCol("kamernr", &k1);
            grid.FillNewColDatum("begindat", &van);
            grid.FillNewCol("prijs", &prijs);
            grid.FillNewCol("personen", &jan);
            grid.FillNewCol("personen", &piet);
            grid.EndGroup();
            grid.FillNewCol("kamernr", &k2);
            grid.FillNewCol("personen", &kees);
            grid.EndGroup();
        });
    }
};

}  // namespace

TEST_F(TGridViewTest, RepeatingAColumnStartsTheNextRowOfTheGroup)
{
    TGridView grid;
    grid.CheckIniFileName(Layout("RsvInCheck.gvl", kInCheckLayout));
    QSignalSpy gereed(&grid, &TGridView::OnVullenGereed);
    VulKamers(grid);
    ASSERT_EQ(grid.RijAantal(), 3);
    EXPECT_EQ(grid.GetCells(grid.GetKolomNummer("kamernr"), 0), "101");
    EXPECT_EQ(grid.GetCells(grid.GetKolomNummer("personen"), 1), "Piet");
    EXPECT_EQ(grid.GetCells(grid.GetKolomNummer("kamernr"), 1), "");
    EXPECT_EQ(grid.GetCells(grid.GetKolomNummer("kamernr"), 2), "102");
    EXPECT_EQ(grid.RijGroep(0), grid.RijGroep(1));
    EXPECT_NE(grid.RijGroep(1), grid.RijGroep(2));
    ASSERT_EQ(gereed.count(), 1);
    EXPECT_FALSE(gereed.at(0).at(0).toBool());
    EXPECT_EQ(grid.HuidigeRij(), 0);

    grid.Execute([] {});
    EXPECT_EQ(grid.RijAantal(), 0);
    EXPECT_TRUE(gereed.at(1).at(0).toBool());
}

TEST_F(TGridViewTest, ValuesComeBackAsTheyWentIn)
{
    TGridView grid;
    grid.CheckIniFileName(Layout("RsvInCheck.gvl", kInCheckLayout));
    VulKamers(grid);
    int kamer = 0;
    double prijs = 0;
    TDateTime van = 0;
    QString naam;
    EXPECT_TRUE(grid.GetCellValue("kamernr", 2, &kamer));
    EXPECT_EQ(kamer, 102);
    EXPECT_TRUE(grid.GetCellValue("PRIJS", 0, &prijs));
    EXPECT_DOUBLE_EQ(prijs, 89.5);
    EXPECT_TRUE(grid.GetCellValueDatum("begindat", 0, &van));
    EXPECT_EQ(van, EncodeDate(2027, 3, 1));
    EXPECT_EQ(grid.GetCells(grid.GetKolomNummer("prijs"), 0), "89,50");

    EXPECT_TRUE(grid.SetCellValue("prijs", 2, 120.0));
    EXPECT_TRUE(grid.SetCellValueDatum("begindat", 2, EncodeDate(2027, 3, 4)));
    EXPECT_TRUE(grid.GetCellValue("begindat", 2, &naam));
    EXPECT_EQ(naam, "04-03-2027");
    EXPECT_TRUE(grid.GetCellValue("prijs", 2, &prijs));
    EXPECT_DOUBLE_EQ(prijs, 120.0);

    EXPECT_FALSE(grid.GetCellValue("personen", 0, &kamer));  // a name is no number
    EXPECT_FALSE(grid.GetCellValue("bestaat", 0, &naam));
    EXPECT_FALSE(grid.GetCellValue("kamernr", 3, &naam));
    EXPECT_FALSE(grid.SetCellValue("kamernr", -1, int64_t(5)));
}

TEST_F(TGridViewTest, AMissingLayoutShowsTheFilledColumnsInOrderOfUse)
{
    TGridView grid;
    EXPECT_FALSE(grid.CheckIniFileName(map_.filePath("Tlr\\Ontbreekt.gvl")));
    VulKamers(grid);
    ASSERT_EQ(grid.KolomAantal(), 4);
    EXPECT_EQ(grid.KolomTitel(0), "kamernr");
    EXPECT_EQ(grid.KolomTitel(3), "personen");
    EXPECT_EQ(grid.ZichtbareKolommen().size(), 4u);
    EXPECT_EQ(grid.IniFileName(), map_.filePath("Tlr/Ontbreekt.gvl"));
}

TEST_F(TGridViewTest, ALayoutNameIsTakenInTheLayoutDirectory)
{
    QDir().mkpath(map_.filePath("Tlr"));
    Layout("Tlr/RsvKamerType.gvl", "[code]\ntitel=Code\n[omschr]\ntitel=Omschrijving\n");
    TGridView grid;
    grid.SetIniDir(map_.path() + "\\Tlr");
    EXPECT_TRUE(grid.CheckIniFileName("RsvKamerType.gvl"));
    EXPECT_EQ(grid.KolomTitel(1), "Omschrijving");
}

TEST_F(TGridViewTest, AColumnTheLayoutLacksIsKeptButHidden)
{
    TGridView grid;
    grid.CheckIniFileName(Layout("RsvSchnmkLijst.gvl", "[kamernr]\n[status1]\n"));
    grid.Execute([&] {
        const int kamer = 7;
        const QString x = "X", leeg;
        grid.FillNewCol("kamernr", &kamer);
        grid.FillNewCol("status1", &x);
        grid.FillNewCol("status2_clr", &leeg);
        grid.EndGroup();
    });
    EXPECT_EQ(grid.GetKolomNummer("status2_clr"), 2);
    EXPECT_FALSE(grid.IsKolomZichtbaar("status2_clr"));
    EXPECT_TRUE(grid.isColumnHidden(2));
    EXPECT_EQ(grid.RijAantal(), 1);
    grid.KolomZichtbaar("status2_clr", true);
    EXPECT_FALSE(grid.isColumnHidden(2));
}

TEST_F(TGridViewTest, OnlyEditableColumnsChangeAndOnlyInEditMode)
{
    TGridView grid;
    grid.CheckIniFileName(Layout("RsvInCheck.gvl", kInCheckLayout));
    VulKamers(grid);
    QAbstractItemModel* model = grid.model();
    const QModelIndex prijs = model->index(0, grid.GetKolomNummer("prijs"));
    const QModelIndex kamer = model->index(0, grid.GetKolomNummer("kamernr"));
    EXPECT_FALSE(model->setData(prijs, "95,00", Qt::EditRole));

    QSignalSpy modus(&grid, &TGridView::OnEditModeChanged);
    QSignalSpy gewijzigd(&grid, &TGridView::OnCelGewijzigd);
    grid.SetEditMode(true);
    EXPECT_TRUE(grid.EditMode());
    EXPECT_FALSE(model->setData(kamer, "999", Qt::EditRole));
    EXPECT_TRUE(model->setData(prijs, "95,25", Qt::EditRole));
    double waarde = 0;
    grid.GetCellValue("prijs", 0, &waarde);
    EXPECT_DOUBLE_EQ(waarde, 95.25);
    ASSERT_EQ(gewijzigd.count(), 1);
    EXPECT_EQ(gewijzigd.at(0).at(0).toString(), "prijs");
    EXPECT_EQ(gewijzigd.at(0).at(1).toInt(), 0);

    ScriptedMessages berichten;
    EXPECT_FALSE(model->setData(prijs, "veel", Qt::EditRole));
    grid.GetCellValue("prijs", 0, &waarde);
    EXPECT_DOUBLE_EQ(waarde, 95.25);
    ASSERT_EQ(berichten.Gezien().size(), 1u);
    EXPECT_EQ(berichten.Laatste().tekst, "\"veel\" is geen geldige waarde.");

    grid.SetEditMode(false);
    EXPECT_FALSE(model->setData(prijs, "1", Qt::EditRole));
    EXPECT_EQ(modus.count(), 2);
}

TEST_F(TGridViewTest, LeavingEditModeKeepsWhatWasTyped)
{
    TGridView grid;
    grid.CheckIniFileName(Layout("RsvInCheck.gvl", kInCheckLayout));
    VulKamers(grid);
    grid.show();
    grid.FocusRij(0, "prijs");
    grid.SetEditMode(true, true);
    auto* editor = grid.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("77");
    grid.SetEditMode(false);
    double prijs = 0;
    grid.GetCellValue("prijs", 0, &prijs);
    EXPECT_DOUBLE_EQ(prijs, 77.0);
}

TEST_F(TGridViewTest, RowsAppendedAndRemoved)
{
    TGridView grid;
    grid.CheckIniFileName(Layout("RsvInCheck.gvl", kInCheckLayout));
    VulKamers(grid);
    const int nieuw = grid.RijAchtervoegen();
    EXPECT_EQ(nieuw, 3);
    EXPECT_TRUE(grid.SetCellValue("personen", nieuw, "Anna"));
    EXPECT_NE(grid.RijGroep(nieuw), grid.RijGroep(2));
    grid.RijVerwijderen(0);
    grid.RijVerwijderen(17);
    ASSERT_EQ(grid.RijAantal(), 3);
    EXPECT_EQ(grid.GetCells(grid.GetKolomNummer("personen"), 0), "Piet");
    EXPECT_EQ(grid.GetCells(grid.GetKolomNummer("personen"), 2), "Anna");

    QSignalSpy reset(&grid, &TGridView::OnResetGrid);
    grid.ResetGrid();
    EXPECT_EQ(grid.RijAantal(), 0);
    EXPECT_EQ(grid.KolomAantal(), 4);
    ASSERT_EQ(reset.count(), 1);
    EXPECT_TRUE(reset.at(0).at(0).toBool());
}

TEST_F(TGridViewTest, AColumnWidthTheUserSetComesBackOnThisWorkstation)
{
    const QString pad = Layout("RsvKamer.gvl", "[nr]\nbreedte=40\n[omschr]\nbreedte=200\n");
    {
        TGridView grid;
        grid.CheckIniFileName(pad);
        EXPECT_EQ(grid.KolomBreedte("omschr"), 200);
        grid.horizontalHeader()->resizeSection(1, 250);
    }
    TGridView grid;
    grid.CheckIniFileName(pad);
    EXPECT_EQ(grid.KolomBreedte("nr"), 40);
    EXPECT_EQ(grid.KolomBreedte("omschr"), 250);

    qputenv("RSV_MACHINE_CONFIG", map_.filePath("andere-werkplek").toUtf8());
    TGridView elders;
    elders.CheckIniFileName(pad);
    EXPECT_EQ(elders.KolomBreedte("omschr"), 200);
}

TEST_F(TGridViewTest, AVariantNameFillsItsColumnWithItsOwnStyle)
{
    TGridView grid;
    grid.CheckIniFileName(Layout("RsvResArt.gvl",
                                 "[artoms]\ntitel=Omschrijving\nbewerkbaar=ja\n[aantal]\nbewerkbaar=ja\n"
                                 "[artoms_ro]\nkolom=artoms\n[artoms_vet]\nkolom=artoms\nvet=ja\n"
                                 "[aantal_ro]\nkolom=aantal\nkleur=#DDDDDD\nformaat=0.0\n"));
    grid.Execute([&] {
        const QString mutatie = "MUTATIE 27/000012", koffie = "Koffie", thee = "Thee";
        const double twee = 2, drie = 3;
        grid.FillNewCol("artoms_vet", &mutatie);
        grid.EndGroup();
        grid.FillNewCol("artoms_ro", &koffie);
        grid.FillNewCol("aantal_ro", &twee);
        grid.EndGroup();
        grid.FillNewCol("artoms", &thee);
        grid.FillNewCol("aantal", &drie);
        grid.EndGroup();
    });
    ASSERT_EQ(grid.KolomAantal(), 2);
    ASSERT_EQ(grid.RijAantal(), 3);
    EXPECT_EQ(grid.GetKolomNummer("artoms_ro"), grid.GetKolomNummer("artoms"));
    EXPECT_EQ(grid.GetCells(0, 1), "Koffie");
    EXPECT_EQ(grid.GetCells(1, 1), "2,0");

    QAbstractItemModel* model = grid.model();
    EXPECT_TRUE(model->data(model->index(0, 0), Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(model->data(model->index(2, 0), Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(model->data(model->index(1, 1), Qt::BackgroundRole).value<QColor>(), QColor(0xDD, 0xDD, 0xDD));

    grid.SetEditMode(true);
    EXPECT_FALSE(model->flags(model->index(1, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model->flags(model->index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model->flags(model->index(2, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model->flags(model->index(2, 1)) & Qt::ItemIsEditable);
}
