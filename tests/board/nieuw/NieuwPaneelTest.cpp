// The pane of the mode: its caption per step, the lines in its grid with the
// persons editable, the booking choice, and its OK and Annuleren buttons.

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "board/NieuwPaneel.h"
#include "host/ui/TGridView.h"
#include "tests/board/nieuw/NieuwTest.h"

using namespace bord;

class NieuwPaneelTest : public NieuwTest {
protected:
    NieuwPaneelTest()
    {
        paneel_.Open({true, true, true, false});
    }

    NieuwDiensten Diensten()
    {
        return {[](ResGegevens& gegevens, double) {
                    gegevens.gastRegels = {QStringLiteral("Pietersen")};
                    return true;
                },
                [this](const std::vector<brlib::stRes>&, const ResGegevens&, bool) { return ++registraties_, true; },
                [this] { paneel_.Toon(); }, [this] { ++verlaten_; }};
    }

    int registraties_ = 0;
    int verlaten_ = 0;
    NieuwPaneel paneel_{nullptr, model_, Diensten()};
};

TEST_F(NieuwPaneelTest, CaptionNamesTheNextChoiceAndTheGridShowsEachConfirmedLine)
{
    EXPECT_EQ(paneel_.pnlCapNieuw->text(), QStringLiteral("Nieuwe reservering - Selecteer kamernummer"));
    Klik(KamerCel(r101));
    paneel_.Toon();
    EXPECT_EQ(paneel_.pnlCapNieuw->text(), QStringLiteral("Nieuwe reservering - Selecteer begindatum"));
    Klik(Kop(ma));
    paneel_.Toon();
    EXPECT_EQ(paneel_.pnlCapNieuw->text(), QStringLiteral("Nieuwe reservering - Selecteer einddatum"));
    EXPECT_FALSE(paneel_.btnOngedaan->isEnabled());

    Klik(Kop(ma + 2));
    model_.MuisBeweeg(Dag(r102, ma));
    paneel_.Toon();
    EXPECT_EQ(paneel_.pnlCapNieuw->text(), QStringLiteral("Nieuwe reservering"));
    ASSERT_EQ(paneel_.gvGrid->RijAantal(), 1);  // not the pending line
    EXPECT_EQ(paneel_.gvGrid->GetCells(paneel_.gvGrid->GetKolomNummer(QStringLiteral("kamernr")), 0),
              QStringLiteral("101"));
    EXPECT_EQ(paneel_.gvGrid->GetCells(paneel_.gvGrid->GetKolomNummer(QStringLiteral("bedrag")), 0),
              QStringLiteral("160,00"));
    EXPECT_TRUE(paneel_.btnOngedaan->isEnabled());

    paneel_.btnOngedaan->click();  // drops the pending line only
    EXPECT_EQ(paneel_.gvGrid->RijAantal(), 1);
    paneel_.btnOngedaan->click();
    EXPECT_EQ(paneel_.gvGrid->RijAantal(), 0);
    EXPECT_EQ(paneel_.pnlCapNieuw->text(), QStringLiteral("Nieuwe reservering - Selecteer kamernummer"));
}

TEST_F(NieuwPaneelTest, PersonsAreEditedInTheGridOnlyInEditMode)
{
    Sleep(r102, ma, ma + 2);
    paneel_.Toon();
    const int kolom = paneel_.gvGrid->GetKolomNummer(QStringLiteral("personen"));
    QAbstractItemModel* grid = paneel_.gvGrid->model();
    EXPECT_FALSE(grid->setData(grid->index(0, kolom), QStringLiteral("2"), Qt::EditRole));

    paneel_.btnEditPers->click();
    EXPECT_TRUE(paneel_.gvGrid->EditMode());
    EXPECT_TRUE(grid->setData(grid->index(0, kolom), QStringLiteral("2"), Qt::EditRole));
    EXPECT_EQ(Nieuw(0).personen, 2);
    const int bedrag = paneel_.gvGrid->GetKolomNummer(QStringLiteral("bedrag"));
    EXPECT_FALSE(grid->setData(grid->index(0, bedrag), QStringLiteral("1"), Qt::EditRole));
}

TEST_F(NieuwPaneelTest, TheCheckedBookingChoiceIsBoldAndDecidesOneOrMoreReservations)
{
    EXPECT_TRUE(paneel_.rdbtnEnkeleRes->isChecked());
    EXPECT_TRUE(paneel_.rdbtnEnkeleRes->font().bold());
    EXPECT_FALSE(paneel_.rdbtnMeerdereRes->font().bold());
    paneel_.rdbtnMeerdereRes->click();
    EXPECT_TRUE(paneel_.Meerdere());
    EXPECT_TRUE(paneel_.rdbtnMeerdereRes->font().bold());
    EXPECT_FALSE(paneel_.rdbtnEnkeleRes->font().bold());

    paneel_.Open({true, false, false, false});
    EXPECT_FALSE(paneel_.rdbtnEnkeleRes->isChecked());
    EXPECT_FALSE(paneel_.rdbtnMeerdereRes->isChecked());
    EXPECT_FALSE(paneel_.rdbtnMeerdereRes->isEnabled());
}

TEST_F(NieuwPaneelTest, OkWithoutLinesStaysOpenAndOkWithLinesLeavesTheMode)
{
    paneel_.btnOk->click();
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Nog geen reservering(en) aanwezig."));
    EXPECT_TRUE(paneel_.btnOk->isEnabled());
    EXPECT_EQ(verlaten_, 0);

    Sleep(r101, ma, ma + 1);
    paneel_.btnOk->click();
    EXPECT_EQ(registraties_, 1);
    EXPECT_EQ(verlaten_, 1);
    paneel_.btnAnnuleren->click();
    EXPECT_EQ(verlaten_, 2);
}
