// The first start: an empty administration becomes a new or a demo one as the
// user chooses, and the workstation's name is asked once.
#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QLineEdit>
#include <QPushButton>

#include "host/app/EersteStart.h"
#include "host/app/ModulePackage.h"
#include "host/base/AdminDir.h"
#include "host/base/HuidigeDatum.h"
#include "host/ui/TForm.h"
#include "host/brlib/Inlezen.h"
#include "host/brlib/Kamer.h"
#include "store/Integriteit.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/TempWerkplek.h"

namespace {

class EersteStartTest : public testing::Test {
protected:
    void SetUp() override
    {
        QString fout;
        ASSERT_TRUE(package.Load(QCoreApplication::applicationDirPath(), fout)) << fout.toStdString();
    }
    // The process's own workstation, as in rsvhost: it follows the administration chosen.
    void TearDown() override { ZetAdminDir(vorigeAdmin); }

    QString Pad(const QString& naam) const { return tmp.filePath(naam); }

    ModulePackage package;
    QTemporaryDir tmp;
    QString vorigeAdmin = HuidigeAdminDir();
};

TEST_F(EersteStartTest, NewAdministrationGetsTheStandardRateTypeAndPeriod)
{
    const QString dir = Pad("nieuw");
    ASSERT_TRUE(IsNieuweAdministratie(dir));
    ScriptedMessages berichten({msg::idYes});
    QString fout;
    ASSERT_TRUE(RichtAdministratieIn(dir, package, fout)) << fout.toStdString();
    EXPECT_TRUE(berichten.Gezien().front().tekst.contains("Wilt u hier een nieuwe administratie maken?"));

    std::vector<brlib::stTariefSoort> soorten;
    brlib::InlezenTariefSoorten(soorten);
    ASSERT_EQ(soorten.size(), 1u);
    EXPECT_EQ(soorten[0].code, brlib::stTariefSoort::Standaard().code);
    std::vector<brlib::stPeriode> periodes;
    brlib::InlezenPeriodes(HuidigeDatum::Object().Jaar(), periodes);
    EXPECT_EQ(periodes.size(), 1u);
    EXPECT_TRUE(ControleerAdministratie().empty());
    EXPECT_FALSE(IsNieuweAdministratie(dir));
}

TEST_F(EersteStartTest, SecondChoiceOpensTheDemoAndRefusingBothMakesNothing)
{
    const QString demo = Pad("demo");
    ScriptedMessages berichten({msg::idNo, msg::idYes, msg::idNo, msg::idNo});
    QString fout;
    ASSERT_TRUE(RichtAdministratieIn(demo, package, fout)) << fout.toStdString();
    std::vector<brlib::stKamer> kamers;
    brlib::InlezenKamers(kamers);
    EXPECT_FALSE(kamers.empty());
    EXPECT_TRUE(ControleerAdministratie().empty());

    const QString weg = Pad("weg");
    EXPECT_FALSE(RichtAdministratieIn(weg, package, fout));
    EXPECT_EQ(fout, "Er is geen administratie gemaakt in " + weg + ".");
    EXPECT_FALSE(QFileInfo::exists(weg));
}

TEST(WerkplekNaam, IsAskedOnceAndKept)
{
    TempWerkplek werkplek;
    ScriptedDialogs dialogen;
    dialogen.Voeg([](TForm& form) {
        form.findChild<QLineEdit*>("edtNaam")->setText("  Receptie 1 ");
        form.findChild<QPushButton*>("btnOk")->click();
        return form.ModalResult();
    });
    VraagWerkplekNaam(nullptr);
    VraagWerkplekNaam(nullptr);
    EXPECT_EQ(dialogen.Getoond(), 1);
    EXPECT_EQ(WerkplekNaam(), "Receptie 1");
}

}  // namespace
