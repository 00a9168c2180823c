// The settings dialog: what a fresh administration shows, the row height
// steps, the rules between the booking modes, the one-way relation card
// option and the till server of the workstation.

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include "host/base/GlobalSettings.h"
#include "host/base/MachineSettings.h"
#include "host/ui/ModalShow.h"
#include "masterdata/Rsvsettingsunit.h"
#include "tests/masterdata/FormTestHulp.h"

namespace {

class RsvSettingsTest : public FormTest {
protected:
    // Opens the dialog, works it with `script` and returns its modal result.
    int Open(std::function<void(TfrmRsvSettings&)> script, bool geenKassaServer = false)
    {
        BijDialoog<TfrmRsvSettings>(std::move(script));
        TfrmRsvSettings dialoog(nullptr, geenKassaServer);
        return ShowModal(dialoog);
    }

    static bool Opgeslagen(const char* key, bool standaard)
    {
        return GlobalSettings(QStringLiteral("Reservering")).ReadBool(QString::fromLatin1(key), standaard);
    }
};

TEST_F(RsvSettingsTest, AFreshAdministrationShowsTheDefaultsOnTheFirstPage)
{
    Open([](TfrmRsvSettings& d) {
        Schermafdruk(d, QStringLiteral("RsvSettings"));
        EXPECT_EQ(d.Caption(), QStringLiteral("Instellingen (per administratie)"));
        EXPECT_EQ(d.pgMain->currentWidget(), d.tbAlgemeen);
        EXPECT_EQ(d.pgMain->count(), 3);
        EXPECT_EQ(d.edtRijHoogte->value(), 16);
        EXPECT_TRUE(d.chkbxCursorHor->isChecked() && d.rdbtnHor1->isChecked() && d.rdbtnHor1->isEnabled());
        EXPECT_TRUE(d.chkbxCursorVert->isChecked() && d.rdbtnVert2->isChecked());
        EXPECT_TRUE(d.chkbxGeenGroep->isChecked() && d.rdbtnDefGeenGroep->isChecked());
        EXPECT_FALSE(d.chkbxWelGroep->isChecked() || d.rdbtnDefWelGroep->isEnabled());
        EXPECT_FALSE(d.chkbxRelatieKaartVelden->isChecked());
        EXPECT_TRUE(d.chkbxRelatieKaartVelden->isEnabled());
        EXPECT_EQ(d.edtPoort->text(), QStringLiteral("2224"));
        // A cursor turned off takes its two choices with it.
        d.chkbxCursorVert->click();
        EXPECT_FALSE(d.rdbtnVert1->isEnabled() || d.rdbtnVert2->isEnabled());
        d.btnAnnuleren->click();
    });
    EXPECT_FALSE(QFile::exists(GlobalSettings::BestandsNaam())) << "Annuleren writes nothing";
    EXPECT_TRUE(berichten_.Gezien().empty());
}

TEST_F(RsvSettingsTest, TheRowHeightStepsByTwoWithinItsBoundsAndIsSaved)
{
    Open([](TfrmRsvSettings& d) {
        d.edtRijHoogte->setValue(59);
        d.btnRijHoogtePlus->click();
        EXPECT_EQ(d.edtRijHoogte->value(), 60);
        d.btnRijHoogtePlus->click();
        EXPECT_EQ(d.edtRijHoogte->value(), 60);
        d.edtRijHoogte->setValue(17);
        d.btnRijHoogteMin->click();
        EXPECT_EQ(d.edtRijHoogte->value(), 16);
        d.btnRijHoogtePlus->click();
        d.chkbxCursorHor->click();
        d.btnOk->click();
    });
    const GlobalSettings s(QStringLiteral("Reservering"));
    EXPECT_EQ(s.ReadInteger(QStringLiteral("RijHoogte"), 0), 18);
    EXPECT_FALSE(Opgeslagen("CursorHor", true));
    EXPECT_TRUE(Opgeslagen("CursorVertOptie2", false));
}

TEST_F(RsvSettingsTest, TheDefaultBookingModeFollowsTheOptionsThatAreOn)
{
    Open([](TfrmRsvSettings& d) {
        d.chkbxWelGroep->click();
        EXPECT_TRUE(d.rdbtnDefGeenGroep->isChecked()) << "the first mode stays the default";
        EXPECT_TRUE(d.rdbtnDefWelGroep->isEnabled());
        d.chkbxGeenGroep->click();
        EXPECT_TRUE(d.rdbtnDefWelGroep->isChecked());
        EXPECT_FALSE(d.rdbtnDefGeenGroep->isChecked() || d.rdbtnDefGeenGroep->isEnabled());
        d.chkbxGeenGroep->click();
        d.rdbtnDefGeenGroep->click();
        EXPECT_FALSE(d.rdbtnDefWelGroep->isChecked());
        d.btnOk->click();
    });
    EXPECT_TRUE(Opgeslagen("WelGroep", false) && Opgeslagen("GeenGroep", false) && Opgeslagen("DefGeenGroep", false));
    EXPECT_FALSE(Opgeslagen("DefWelGroep", true));

    // With neither option on, OK brings the first back as the default.
    Open([](TfrmRsvSettings& d) {
        d.chkbxGeenGroep->click();
        d.chkbxWelGroep->click();
        EXPECT_FALSE(d.rdbtnDefGeenGroep->isChecked() || d.rdbtnDefWelGroep->isChecked());
        d.btnOk->click();
    });
    EXPECT_TRUE(Opgeslagen("GeenGroep", false) && Opgeslagen("DefGeenGroep", false));
    EXPECT_FALSE(Opgeslagen("WelGroep", true) || Opgeslagen("DefWelGroep", true));
}

TEST_F(RsvSettingsTest, TheRelationCardOptionAsksOnceAndCannotBeTurnedOffAfterwards)
{
    {
        ScriptedMessages nee({msg::idNo});
        Open([](TfrmRsvSettings& d) {
            d.pgMain->setCurrentWidget(d.tbInterface);
            d.chkbxRelatieKaartVelden->click();
            EXPECT_FALSE(d.chkbxRelatieKaartVelden->isChecked());
            d.btnOk->click();
        });
        ASSERT_EQ(nee.Gezien().size(), 1u) << "No is not asked again";
        EXPECT_EQ(nee.Laatste().knoppen, msg::mbYesNo);
        EXPECT_EQ(nee.Laatste().titel, QStringLiteral("Instellingen (per administratie)"));
        EXPECT_TRUE(nee.Laatste().tekst.endsWith(QStringLiteral("\n\nWeet u zeker dat u deze optie wilt activeren?")));
    }
    EXPECT_FALSE(Opgeslagen("RelatieKaartVelden", true));

    Open([](TfrmRsvSettings& d) {
        d.chkbxRelatieKaartVelden->click();
        d.btnOk->click();
    });
    EXPECT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_TRUE(Opgeslagen("RelatieKaartVelden", false));
    Open([](TfrmRsvSettings& d) {
        EXPECT_TRUE(d.chkbxRelatieKaartVelden->isChecked());
        EXPECT_FALSE(d.chkbxRelatieKaartVelden->isEnabled());
        d.btnOk->click();
    });
    EXPECT_EQ(berichten_.Gezien().size(), 1u) << "loading a stored value asks nothing";
    EXPECT_TRUE(Opgeslagen("RelatieKaartVelden", false));
}

TEST_F(RsvSettingsTest, TheTillServerIsKeptPerWorkstationUnlessItsTabIsHidden)
{
    Open([](TfrmRsvSettings& d) {
        d.pgMain->setCurrentWidget(d.tbKassaServer);
        d.edtHost->setText(QStringLiteral(" kassa.local "));
        d.edtPoort->setText(QStringLiteral("2300"));
        d.btnOk->click();
    });
    const MachineSettings server(QStringLiteral("KassaServer"));
    EXPECT_EQ(server.ReadString(QStringLiteral("Hostnaam"), QString()), QStringLiteral("kassa.local"));
    EXPECT_EQ(server.ReadInteger(QStringLiteral("Poort"), 0), 2300);

    Open(
        [](TfrmRsvSettings& d) {
            EXPECT_EQ(d.pgMain->count(), 2);
            EXPECT_EQ(d.pgMain->indexOf(d.tbKassaServer), -1);
            d.btnOk->click();
        },
        true);
    EXPECT_EQ(server.ReadString(QStringLiteral("Hostnaam"), QString()), QStringLiteral("kassa.local"));
    EXPECT_TRUE(Opgeslagen("GeenGroep", false));
}

}  // namespace
