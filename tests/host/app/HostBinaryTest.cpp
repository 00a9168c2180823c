#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/support/ProgrammaMap.h"

namespace {

struct Afloop {
    int code = -1;
    QString out;
    QString err;
};

Afloop Start(const QString& program, const QStringList& args, const QProcessEnvironment& env)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

Afloop RsvHost(const QStringList& args)
{
    auto env = QProcessEnvironment::systemEnvironment();
    env.remove("RSV_ADMIN");
    return Start(ProgrammaMap() + "/rsvhost", args, env);
}

TEST(RsvHost, ListsTheRegisteredFunctionsInOrder)
{
    QTemporaryDir admin;
    const Afloop run = RsvHost({"--admin", admin.path(), "--list-functions"});
    EXPECT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              "rsv_tariefsoort\nrsv_kamertype\nrsv_periode\nrsv_kamer\nrsv_invres\nrsv_ovres\nrsv_ovmanag\n"
              "rsv_logboek\nrsv_aankvertrek\n");
}

TEST(RsvHost, RefusesAMissingAdministrationOrABadCommandLine)
{
    QTemporaryDir tmp;
    const QString weg = tmp.path() + "/bestaat-niet";
    struct Case {
        QStringList args;
        QString melding;
    };
    const std::vector<Case> cases{
        {{"--admin", weg, "--list-functions"}, "De administratiemap " + weg + " bestaat niet."},
        {{"--list-functions"}, "Geen administratiemap opgegeven"},
        {{"--admin", tmp.path(), "--verkeerd"}, "Onbekende optie: --verkeerd"},
        {{"--admin", tmp.path(), "--screenshot", tmp.path() + "/x.png"}, "alleen samen met --open"},
        {{"--admin", tmp.path(), "--open", "rsv_bestaat_niet", "--screenshot", tmp.path() + "/x.png"},
         "Onbekende functie: rsv_bestaat_niet"},
    };
    for (const Case& c : cases) {
        const Afloop run = RsvHost(c.args);
        EXPECT_EQ(run.code, 2) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.melding)) << run.err.toStdString();
    }
}

// A host copied away from the package cannot load it and says so.
TEST(RsvHost, ExitsWithCode2WhenThePackageIsNotBesideIt)
{
    QTemporaryDir tmp;
    QDir(tmp.path()).mkpath("bin");
    const QString kopie = tmp.path() + "/bin/rsvhost";
    ASSERT_TRUE(QFile::copy(ProgrammaMap() + "/rsvhost", kopie));
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("LD_LIBRARY_PATH", ProgrammaMap() + "/../lib");  // the host libraries, not the package
    const Afloop run = Start(kopie, {"--admin", tmp.path(), "--list-functions"}, env);
    EXPECT_EQ(run.code, 2);
    EXPECT_TRUE(run.err.contains("Het pakket libReservering.so is niet gevonden")) << run.err.toStdString();
}

TEST(RsvHost, RendersAnOpenedFormToAPng)
{
    QTemporaryDir admin;
    const QString png = admin.path() + "/kamers.png";
    const Afloop run = RsvHost({"--admin", admin.path(), "--open", "rsv_kamer", "--screenshot", png});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    const QImage beeld(png);
    EXPECT_FALSE(beeld.isNull());
    EXPECT_GT(beeld.width(), 50);
}

}  // namespace
