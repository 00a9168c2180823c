// The rate types list and its edit dialog, worked as a user would.

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "masterdata/Rsvedittariefsoortunit.h"
#include "masterdata/Rsvtariefsoortunit.h"
#include "tests/masterdata/FormTestHulp.h"

using brlib::stTariefSoort;

namespace {
using Dialoog = TfrmRsvEditTariefSoort;

const QString kGewijzigd = QStringLiteral(
    "Kan tariefsoort niet registreren omdat deze tussentijds (op een andere werkplek) is gewijzigd.\n"
    "Het overzicht wordt nu opnieuw ingelezen.");

class TariefSoortForm : public FormTest {
protected:
    TariefSoortForm() { form_.show(); }

    TfrmRsvTariefSoort form_{nullptr, nullptr};
    TGridView& grid_ = *form_.Grid();
};
}  // namespace

TEST_F(TariefSoortForm, AFreshAdministrationShowsTheStandardRateTypeOnce)
{
    ASSERT_EQ(grid_.RijAantal(), 1);
    EXPECT_EQ(Cel(grid_, "code", 0), QStringLiteral("Standaard"));
    EXPECT_EQ(Cel(grid_, "omschr", 0), QStringLiteral("Basis tarief per dag"));
    EXPECT_EQ(Cel(grid_, "soort", 0), QStringLiteral("Per dag"));
    EXPECT_TRUE(form_.findChild<QPushButton*>("btnWijzig")->isEnabled());

    TfrmRsvTariefSoort tweede(nullptr, nullptr);
    tweede.show();
    EXPECT_EQ(tweede.Grid()->RijAantal(), 1);
    Schermafdruk(form_, "RsvTariefSoort");
}

TEST_F(TariefSoortForm, TheStandardRowCanNeitherBeChangedNorRemoved)
{
    form_.findChild<QPushButton*>("btnWijzig")->click();
    form_.findChild<QPushButton*>("btnVerwijder")->click();
    emit grid_.OnDblClick(0);

    ASSERT_EQ(berichten_.Gezien().size(), 3u);
    EXPECT_EQ(berichten_.Gezien()[0].tekst, QStringLiteral("Standaard tariefsoort kan niet gewijzigd worden."));
    EXPECT_EQ(berichten_.Gezien()[0].titel, QStringLiteral("Tariefsoorten"));
    EXPECT_EQ(berichten_.Gezien()[1].tekst, QStringLiteral("Standaard tariefsoort kan niet verwijderd worden."));
    EXPECT_EQ(berichten_.Gezien()[2].tekst, berichten_.Gezien()[0].tekst);
    EXPECT_EQ(Getoond(), 0);
    EXPECT_EQ(form_.Lijst().size(), 1u);
}

TEST_F(TariefSoortForm, TheDialogRefusesEachBadInputAndKeepsTheField)
{
    BijDialoog<Dialoog>([&](Dialoog& d) {
        EXPECT_EQ(d.Caption(), QStringLiteral("Nieuw tariefsoort"));
        EXPECT_TRUE(d.rdbtnDagen->isChecked());
        d.edtCode->setText(QStringLiteral("   "));
        d.edtDagen->setText(QStringLiteral("2"));
        d.btnOk->click();
        EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Vul een code in."));
        EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Nieuw tariefsoort"));
        EXPECT_EQ(d.focusWidget(), d.edtCode);

        d.edtCode->setText(QStringLiteral(" Weekend "));
        d.edtDagen->setText(QString());
        d.btnOk->click();
        EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Ongeldig aantal dagen opgegeven."));
        EXPECT_EQ(d.focusWidget(), d.edtDagen);

        d.rdbtnWeekDagen->click();
        EXPECT_FALSE(d.edtDagen->isEnabled());
        d.btnOk->click();
        EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Selecteer 1 of meerdere dagen."));
        EXPECT_EQ(d.ModalResult(), mrNone);

        d.chklstWeekDagen->item(5)->setCheckState(Qt::Checked);  // Friday
        d.chklstWeekDagen->item(6)->setCheckState(Qt::Checked);  // Saturday
        Schermafdruk(d, "RvsEditTariefSoort");
        d.btnOk->click();
    });
    form_.findChild<QPushButton*>("btnNieuw")->click();

    EXPECT_EQ(berichten_.Gezien().size(), 3u);
    ASSERT_EQ(grid_.RijAantal(), 2);
    EXPECT_EQ(grid_.HuidigeRij(), 1);
    EXPECT_EQ(Cel(grid_, "code", 1), QStringLiteral("Weekend"));
    EXPECT_TRUE(form_.Gewijzigd());

    std::vector<stTariefSoort> opSchijf;
    AlsTweede([&] { brlib::InlezenTariefSoorten(opSchijf); });
    ASSERT_EQ(opSchijf.size(), 2u);
    EXPECT_EQ(opSchijf[1].aantalDagen, 0);
    EXPECT_EQ(opSchijf[1].weekDagen, (std::array<bool, 7>{false, false, false, false, false, true, true}));
}

TEST_F(TariefSoortForm, AWeekdayRateTypeOpensInTheWeekdayForm)
{
    stTariefSoort weekend;
    weekend.code = QStringLiteral("Weekend");
    weekend.weekDagen[0] = true;
    ASSERT_TRUE(SchrijfTariefSoort(weekend));
    form_.close();
    form_.show();

    BijDialoog<Dialoog>([](Dialoog& d) {
        EXPECT_EQ(d.Caption(), QStringLiteral("Wijzigen tariefsoort"));
        EXPECT_TRUE(d.rdbtnWeekDagen->isChecked());
        EXPECT_FALSE(d.edtDagen->isEnabled());
        EXPECT_EQ(d.chklstWeekDagen->item(0)->checkState(), Qt::Checked);
        EXPECT_EQ(d.chklstWeekDagen->item(1)->checkState(), Qt::Unchecked);
        d.rdbtnDagen->click();
        EXPECT_TRUE(d.edtDagen->isEnabled());
        d.edtDagen->setText(QStringLiteral("7"));
        d.btnOk->click();
    });
    emit grid_.OnDblClick(1);

    EXPECT_EQ(Cel(grid_, "soort", 1), QStringLiteral("Per 7 dagen"));
    EXPECT_EQ(grid_.HuidigeRij(), 1);
}

TEST_F(TariefSoortForm, RemovalAsksFirstAndWarnsAboutLinkedRates)
{
    stTariefSoort week = MaakTariefSoort("Week", 7);
    form_.close();
    form_.show();
    grid_.FocusRij(1);
    {
        ScriptedMessages nee({msg::idNo});
        form_.findChild<QPushButton*>("btnVerwijder")->click();
        EXPECT_EQ(nee.Laatste().tekst, QStringLiteral("Wilt u tariefsoort \"Week\" verwijderen?"));
        EXPECT_EQ(nee.Laatste().titel, QStringLiteral("Verwijderen tariefsoort"));
        EXPECT_EQ(nee.Laatste().knoppen, msg::mbYesNo);
        EXPECT_EQ(grid_.RijAantal(), 2);
    }

    MaakPeriodes(kJaar);
    MaakKamerType("DBL", {{week.recNr, 1, 80.0}}, kJaar);
    form_.findChild<QPushButton*>("btnVerwijder")->click();
    EXPECT_EQ(berichten_.Laatste().tekst,
              QStringLiteral("Wilt u tariefsoort \"Week\" verwijderen?\n\nLET OP: Tarieven die gekoppeld zijn aan "
                             "dit tariefsoort worden ook verwijderd!"));
    EXPECT_EQ(grid_.RijAantal(), 1);
    std::vector<stTariefSoort> opSchijf;
    brlib::InlezenTariefSoorten(opSchijf);
    EXPECT_EQ(opSchijf.size(), 1u);
}

TEST_F(TariefSoortForm, AChangeFromAnotherWorkstationIsShownInsteadOfOverwritten)
{
    MaakTariefSoort("Week", 7);
    form_.close();
    form_.show();
    AlsTweede([] {
        std::vector<stTariefSoort> lijst;
        brlib::InlezenTariefSoorten(lijst);
        lijst[1].omschr = QStringLiteral("Van de buren");
        EXPECT_TRUE(SchrijfTariefSoort(lijst[1]));
    });

    BijDialoog<Dialoog>([](Dialoog& d) {
        d.edtOmschr->setText(QStringLiteral("Van mij"));
        d.btnOk->click();
    });
    emit grid_.OnDblClick(1);

    EXPECT_EQ(berichten_.Laatste().tekst, kGewijzigd);
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Registreren tariefsoort"));
    EXPECT_EQ(Cel(grid_, "omschr", 1), QStringLiteral("Van de buren"));
}

using TariefSoortFormNieuweAdministratie = FormTest;

// The form first opens while another workstation holds the lock: the standard
// rate type comes with the first rate type the user adds, and comes first.
TEST_F(TariefSoortFormNieuweAdministratie, TheStandardRateTypeIsMadeBeforeTheFirstOwnOne)
{
    TfrmRsvTariefSoort form(nullptr, nullptr);
    AlsTweede([] { return brlib::RsvLock(); });
    form.show();
    AlsTweede([] { brlib::RsvUnlock(); return 0; });
    EXPECT_EQ(form.Grid()->RijAantal(), 0);

    BijDialoog<Dialoog>([](Dialoog& d) {
        d.edtCode->setText(QStringLiteral("Week"));
        d.edtDagen->setText(QStringLiteral("7"));
        d.btnOk->click();
    });
    form.findChild<QPushButton*>("btnNieuw")->click();
    ASSERT_EQ(form.Grid()->RijAantal(), 2);
    EXPECT_EQ(Cel(*form.Grid(), "code", 0), QStringLiteral("Standaard"));
    EXPECT_EQ(Cel(*form.Grid(), "code", 1), QStringLiteral("Week"));
    EXPECT_EQ(form.Grid()->HuidigeRij(), 1);
}
