// The periods form: the standard period of an empty year, the edit panel and
// removal, worked as a user would.

#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "masterdata/Rsvperiodeunit.h"
#include "tests/masterdata/FormTestHulp.h"

using brlib::stPeriode;

namespace {
class PeriodeForm : public FormTest {
protected:
    PeriodeForm() { form_.show(); }

    void Knop(const char* naam) { form_.findChild<QPushButton*>(naam)->click(); }

    // Nieuw, then the panel filled with `datum` and `omschr` and OK.
    void VoegToe(TDateTime datum, const QString& omschr)
    {
        Knop("btnNieuw");
        form_.dtpckDatum->setDate(ToQDate(datum));
        form_.edtOmschr->setText(omschr);
        form_.btnOk->click();
    }

    static std::vector<stPeriode> OpSchijf(int jaar)
    {
        std::vector<stPeriode> lijst;
        brlib::InlezenPeriodes(jaar, lijst);
        return lijst;
    }

    TfrmRsvPeriode form_{nullptr, nullptr};
    TGridView& grid_ = *form_.Grid();
};
}  // namespace

TEST_F(PeriodeForm, AYearWithoutPeriodsShowsTheStandardPeriodUntilTheFirstSave)
{
    EXPECT_EQ(form_.edtJaar->text(), QStringLiteral("2026"));
    ASSERT_EQ(grid_.RijAantal(), 1);
    EXPECT_EQ(Cel(grid_, "omschr", 0), QStringLiteral("Standaard"));
    EXPECT_EQ(Cel(grid_, "begindat", 0), QStringLiteral("01-01-2026"));
    EXPECT_EQ(Cel(grid_, "einddat", 0), QStringLiteral("31-12-2026"));
    EXPECT_TRUE(OpSchijf(kJaar).empty());
    Schermafdruk(form_, "RsvPeriode");

    VoegToe(EncodeDate(kJaar, 7, 1), QStringLiteral("Zomer"));
    const std::vector<stPeriode> opSchijf = OpSchijf(kJaar);
    ASSERT_EQ(opSchijf.size(), 2u);
    EXPECT_EQ(opSchijf[0].omschr, QStringLiteral("Standaard"));
    EXPECT_EQ(opSchijf[1].omschr, QStringLiteral("Zomer"));
    EXPECT_EQ(grid_.HuidigeRij(), 1);
    EXPECT_EQ(Cel(grid_, "einddat", 0), QStringLiteral("30-06-2026"));
    EXPECT_TRUE(berichten_.Gezien().empty());
}

TEST_F(PeriodeForm, ThePanelHidesTheButtonsAndKeepsTheFormOpenUntilItIsDone)
{
    Knop("btnNieuw");
    EXPECT_FALSE(form_.pnlEdit->isHidden());
    EXPECT_TRUE(form_.findChild<QWidget*>("pnlKnoppen")->isHidden());
    EXPECT_EQ(form_.grpEdit->title(), QStringLiteral("Periode toevoegen"));
    EXPECT_EQ(form_.dtpckDatum->minimumDate(), QDate(kJaar, 1, 1));
    EXPECT_EQ(form_.dtpckDatum->maximumDate(), QDate(kJaar, 12, 31));
    Schermafdruk(form_, "RsvPeriodePaneel");

    form_.close();
    QTest::keyClick(&form_, Qt::Key_Escape);
    EXPECT_TRUE(form_.isVisible());
    form_.btnAnnuleren->click();
    EXPECT_TRUE(form_.pnlEdit->isHidden());
    QTest::keyClick(&form_, Qt::Key_Escape);
    EXPECT_FALSE(form_.isVisible());
}

TEST_F(PeriodeForm, ThePanelRefusesAnEmptyDescriptionAndATakenBeginDate)
{
    VoegToe(EncodeDate(kJaar, 7, 1), QStringLiteral("   "));
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Geef een omschrijving op voor deze periode."));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Periodes"));
    EXPECT_EQ(form_.focusWidget(), form_.edtOmschr);
    EXPECT_FALSE(form_.pnlEdit->isHidden());

    form_.dtpckDatum->setDate(QDate(kJaar, 1, 1));
    form_.edtOmschr->setText(QStringLiteral("Nieuwjaar"));
    form_.btnOk->click();
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Periode met deze begindatum is al aanwezig!"));
    EXPECT_FALSE(form_.pnlEdit->isHidden());
    EXPECT_EQ(grid_.RijAantal(), 1);
    EXPECT_TRUE(OpSchijf(kJaar).empty());
}

TEST_F(PeriodeForm, TheFirstPeriodKeepsItsBeginDateAndCannotBeRemoved)
{
    VoegToe(EncodeDate(kJaar, 7, 1), QStringLiteral("Zomer"));
    grid_.FocusRij(0);
    Knop("btnVerwijder");
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("De eerste periode kan niet verwijderd worden."));

    Knop("btnWijzig");
    EXPECT_EQ(form_.grpEdit->title(), QStringLiteral("Periode wijzigen"));
    EXPECT_FALSE(form_.dtpckDatum->isEnabled());
    EXPECT_FALSE(grid_.isEnabled());
    form_.edtOmschr->setText(QStringLiteral("Laagseizoen"));
    form_.btnOk->click();

    EXPECT_TRUE(grid_.isEnabled());
    EXPECT_TRUE(form_.dtpckDatum->isEnabled());
    const std::vector<stPeriode> opSchijf = OpSchijf(kJaar);
    ASSERT_EQ(opSchijf.size(), 2u);
    EXPECT_EQ(opSchijf[0].omschr, QStringLiteral("Laagseizoen"));
    EXPECT_EQ(opSchijf[0].begin, EncodeDate(kJaar, 1, 1));
    EXPECT_EQ(berichten_.Gezien().size(), 1u);
}

TEST_F(PeriodeForm, RemovalAsksFirstAndWarnsAboutLinkedRates)
{
    VoegToe(EncodeDate(kJaar, 7, 1), QStringLiteral("Zomer"));
    VoegToe(EncodeDate(kJaar, 10, 1), QStringLiteral("Herfst"));
    const brlib::stTariefSoort soort = MaakTariefSoort("Dag", 1);
    const brlib::stKamerType dbl = MaakKamerType("DBL", {{soort.recNr, form_.Lijst()[1].recNr, 95.0}}, kJaar);

    grid_.FocusRij(2);
    Knop("btnVerwijder");
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Wilt u periode \"Herfst\" verwijderen?"));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Verwijderen periode"));
    EXPECT_EQ(berichten_.Laatste().knoppen, msg::mbYesNo);
    ASSERT_EQ(grid_.RijAantal(), 2);
    EXPECT_EQ(grid_.HuidigeRij(), 1) << "the last period removed: the one before is focused";

    Knop("btnVerwijder");
    EXPECT_EQ(berichten_.Laatste().tekst,
              QStringLiteral("Wilt u periode \"Zomer\" verwijderen?\n\nLET OP: Tarieven die gekoppeld zijn aan deze "
                             "periode worden ook verwijderd!"));
    EXPECT_EQ(OpSchijf(kJaar).size(), 1u);
    EXPECT_TRUE(Tarieven(kJaar, dbl.recNr).empty());
}

TEST_F(PeriodeForm, TheListFollowsTheYearOnceFourDigitsAreTyped)
{
    MaakPeriodes(2027);
    form_.edtJaar->selectAll();
    QTest::keyClicks(form_.edtJaar, QStringLiteral("202"));
    EXPECT_EQ(form_.Jaar(), kJaar);
    QTest::keyClicks(form_.edtJaar, QStringLiteral("7"));
    EXPECT_EQ(form_.Jaar(), 2027);
    ASSERT_EQ(grid_.RijAantal(), 2);
    EXPECT_EQ(Cel(grid_, "omschr", 1), QStringLiteral("Zomer"));
    EXPECT_EQ(form_.dtpckDatum->minimumDate(), QDate(2027, 1, 1));
}
