#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include "host/base/AdminDir.h"
#include "host/base/GlobalSettings.h"
#include "host/base/MachineSettings.h"
#include "tests/support/TempWerkplek.h"

namespace {

class SettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(admin_.isValid());
        vorigeAdmin_ = HuidigeAdminDir();
        ZetAdminDir(admin_.path());
    }
    void TearDown() override
    {
        ZetAdminDir(vorigeAdmin_);
    }

    void SchrijfBestand(const QString& pad, const QByteArray& inhoud)
    {
        QFile f(pad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(inhoud);
    }

    QTemporaryDir admin_;
    TempWerkplek werkplek_;
    QString vorigeAdmin_;
};

}  // namespace

TEST_F(SettingsTest, KeysNeverWrittenReadAsTheirDefaults)
{
    GlobalSettings g("Reservering");
    EXPECT_EQ(g.ReadInteger("RijHoogte", 16), 16);
    EXPECT_TRUE(g.ReadBool("CursorHor", true));
    EXPECT_FALSE(g.ReadBool("WelGroep", false));
    MachineSettings m("KassaServer");
    EXPECT_EQ(m.ReadString("Hostnaam", ""), "");
    EXPECT_EQ(m.ReadInteger("Poort", 2224), 2224);
    EXPECT_EQ(m.ReadDate("datum", 12345.0), 12345.0);
}

TEST_F(SettingsTest, ValuesRoundTripPerSection)
{
    {
        MachineSettings m("RsvZoekRes");
        ASSERT_TRUE(m.WriteBool("btnLegenda", true));
        ASSERT_TRUE(m.WriteInteger("jaar", -2027));
        ASSERT_TRUE(m.WriteString("naam", "de Vries, Jan = \"oud\""));
        ASSERT_TRUE(m.WriteDate("datum", EncodeDate(2027, 2, 28)));
        ASSERT_TRUE(m.WriteDate("tijd", EncodeDateTime(2027, 2, 28, 13, 14, 15)));
    }
    MachineSettings m("RsvZoekRes");
    EXPECT_TRUE(m.ReadBool("btnLegenda", false));
    EXPECT_EQ(m.ReadInteger("jaar", 0), -2027);
    EXPECT_EQ(m.ReadString("naam", ""), "de Vries, Jan = \"oud\"");
    EXPECT_EQ(m.ReadDate("datum", 0), EncodeDate(2027, 2, 28));
    EXPECT_NEAR(m.ReadDate("tijd", 0), EncodeDateTime(2027, 2, 28, 13, 14, 15), 1e-6);
    EXPECT_FALSE(MachineSettings("RsvOvRes").ReadBool("btnLegenda", false));
}

TEST_F(SettingsTest, GlobalSettingsLiveInTheAdministration)
{
    ASSERT_TRUE(GlobalSettings("Reservering").WriteInteger("RijHoogte", 24));
    EXPECT_TRUE(QFile::exists(admin_.filePath("rsv_instellingen.ini")));
    QTemporaryDir andere;
    ZetAdminDir(andere.path());
    EXPECT_EQ(GlobalSettings("Reservering").ReadInteger("RijHoogte", 16), 16);
    ZetAdminDir(admin_.path());
    EXPECT_EQ(GlobalSettings("Reservering").ReadInteger("RijHoogte", 16), 24);
}

TEST_F(SettingsTest, AChangeByAnotherWorkstationIsSeen)
{
    GlobalSettings hier("Reservering");
    EXPECT_EQ(hier.ReadInteger("RijHoogte", 16), 16);
    ASSERT_TRUE(GlobalSettings("Reservering").WriteInteger("RijHoogte", 30));
    EXPECT_EQ(hier.ReadInteger("RijHoogte", 16), 30);
}

TEST_F(SettingsTest, HandEditedNonsenseReadsAsDefault)
{
    SchrijfBestand(admin_.filePath("rsv_instellingen.ini"),
                   "[Reservering]\nRijHoogte=hoog\nCursorHor=misschien\nCursorVert=0\n"
                   "DoubleBuffer= TRUE \n");
    GlobalSettings g("Reservering");
    EXPECT_EQ(g.ReadInteger("RijHoogte", 16), 16);
    EXPECT_TRUE(g.ReadBool("CursorHor", true));
    EXPECT_FALSE(g.ReadBool("CursorVert", true));
    EXPECT_TRUE(g.ReadBool("DoubleBuffer", false));
    SchrijfBestand(werkplek_.Dir() + "/rsv_werkplek.ini", "[KassaServer]\nHostnaam=a,b\ndatum=gisteren\n");
    MachineSettings m("KassaServer");
    EXPECT_EQ(m.ReadString("Hostnaam", ""), "a,b");
    EXPECT_EQ(m.ReadDate("datum", 5.0), 5.0);
}

TEST_F(SettingsTest, AnUnwritableAdministrationReportsFailure)
{
    ZetAdminDir(admin_.filePath("bestand"));
    SchrijfBestand(admin_.filePath("bestand"), "geen map");
    EXPECT_FALSE(GlobalSettings("Reservering").WriteBool("WelGroep", true));
}

TEST_F(SettingsTest, WindowPositionAndSizeComeBack)
{
    QWidget form;
    form.setMinimumSize(300, 200);
    form.setGeometry(40, 50, 640, 480);
    ASSERT_TRUE(MachineSettings("RsvInCheck").WriteFormPosSize("form", form));

    QWidget terug;
    terug.setMinimumSize(300, 200);
    MachineSettings("RsvInCheck").ReadFormPosSize("form", terug);
    EXPECT_EQ(terug.geometry(), QRect(40, 50, 640, 480));

    QWidget nooit;
    nooit.setGeometry(1, 2, 333, 222);
    MachineSettings("RsvOvManag").ReadFormPosSize("form", nooit);
    EXPECT_EQ(nooit.geometry(), QRect(1, 2, 333, 222));
}

TEST_F(SettingsTest, AWindowSavedOnAVanishedScreenReturnsOnScreenAtLeastItsMinimumSize)
{
    ASSERT_TRUE(MachineSettings("RsvOvRapport").WriteString("form", "90000 90000 10 10"));
    QWidget form;
    form.setMinimumSize(518, 300);
    MachineSettings("RsvOvRapport").ReadFormPosSize("form", form);
    EXPECT_LT(form.x(), 90000);
    EXPECT_EQ(form.size(), QSize(518, 300));
}
