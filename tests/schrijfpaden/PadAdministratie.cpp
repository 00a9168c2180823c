#include "tests/schrijfpaden/PadAdministratie.h"

#include <gtest/gtest.h>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include "host/base/AdminDir.h"
#include "host/records/Werkstation.h"
#include "host/tillra/KassaControle.h"
#include "store/Integriteit.h"
#include "tests/support/InAdministratie.h"
#include "tests/support/ProgrammaMap.h"

QString DemoBasis()
{
    static QTemporaryDir basis;
    static const bool gemaakt = [] {
        QProcess demo;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("RSV_VANDAAG", "2026-03-10");
        demo.setProcessEnvironment(env);
        demo.start(ProgrammaMap() + "/rsvdemo", {basis.path() + "/admin"});
        return demo.waitForFinished(120000) && demo.exitStatus() == QProcess::NormalExit && demo.exitCode() == 0;
    }();
    EXPECT_TRUE(gemaakt) << "rsvdemo failed";
    return basis.path() + "/admin";
}

void KopieerAdministratie(const QString& van, const QString& naar)
{
    QDirIterator it(van, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString pad = it.next();
        const QString doel = naar + "/" + QDir(van).relativeFilePath(pad);
        QDir().mkpath(QFileInfo(doel).path());
        ASSERT_TRUE(QFile::copy(pad, doel)) << doel.toStdString();
    }
}

void Herstel(const QString& dir)
{
    brlib::Werkstation volgende(dir, brlib::RealFileSystem());
    ASSERT_TRUE(volgende.Lock({brlib::Werkstation::kActionLock}));
    volgende.Unlock({brlib::Werkstation::kActionLock});
}

QString BevindingenIn(const QString& dir)
{
    return InAdministratie(dir, [] {
        QStringList regels;
        for (const Bevinding& b : ControleerAdministratie())
            regels << b.Regel();
        for (const Bevinding& b : Tillra::ControleerKassaBestanden())
            regels << b.Regel();
        return regels.join('\n');
    });
}
