// A writer killed after every single write of its commit leaves, once the next
// lock holder has recovered, either the whole booking or none of it.
#include <gtest/gtest.h>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include "host/base/AdminDir.h"
#include "host/records/Locks.h"
#include "host/records/Werkstation.h"
#include "tests/store/ReserveringSchrijven.h"
#include "tests/store/StoreTestHulp.h"
#include "tests/support/InAdministratie.h"
#include "tests/support/TempAdmin.h"

namespace {

using Inhoud = std::map<QString, QByteArray>;

// The record files of an administration; a missing file counts as empty.
Inhoud RecordBestanden(const QString& dir)
{
    Inhoud inhoud;
    QDirIterator it(dir, {"rsv_*.dat", "rsv_*.pnt"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly) && f.size() > 0)
            inhoud[QDir(dir).relativeFilePath(f.fileName())] = f.readAll();
    }
    return inhoud;
}

void Kopieer(const Inhoud& inhoud, const QString& naar)
{
    for (const auto& [pad, bytes] : inhoud) {
        QDir(naar).mkpath(QFileInfo(pad).path());
        QFile f(naar + "/" + pad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
}

// Runs the writer; true when it finished, false when it was killed.
bool Schrijver(const QString& dir, int crashNa)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (crashNa > 0)
        env.insert("RSV_CRASH_AFTER_WRITES", QString::number(crashNa));
    p.setProcessEnvironment(env);
    p.start(ProgrammaMap() + "/rsv_crash_schrijver", {dir, "301"});
    EXPECT_TRUE(p.waitForFinished(30000));
    if (p.exitStatus() == QProcess::NormalExit) {
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    }
    return p.exitStatus() == QProcess::NormalExit;
}

// As the next lock holder would: taking the lock recovers the journal.
void Herstel(const QString& dir)
{
    brlib::Werkstation volgende(dir);
    ASSERT_TRUE(volgende.Lock({brlib::Werkstation::kActionLock}));
    volgende.Unlock({brlib::Werkstation::kActionLock});
}

QString BevindingenIn(const QString& dir)
{
    return InAdministratie(dir, [] { return Bevindingen(); });
}

TEST(CrashTest, EveryKillPointLeavesTheBookingWholeOrAbsent)
{
    Inhoud voor;
    {
        TempAdmin basis;
        ASSERT_TRUE(brlib::RsvLock());
        SchrijfReservering(EncodeDate(2026, 3, 10), 101);
        SchrijfReservering(EncodeDate(2026, 3, 12), 201);
        brlib::RsvUnlock();
        voor = RecordBestanden(basis.Dir());
    }
    QTemporaryDir heel;
    Kopieer(voor, heel.path());
    ASSERT_TRUE(Schrijver(heel.path(), 0));
    const Inhoud na = RecordBestanden(heel.path());
    ASSERT_NE(na, voor);

    int gedood = 0;
    for (int k = 1; k < 500; ++k) {
        QTemporaryDir dir;
        Kopieer(voor, dir.path());
        const bool klaar = Schrijver(dir.path(), k);
        Herstel(dir.path());
        const Inhoud inhoud = RecordBestanden(dir.path());
        EXPECT_TRUE(inhoud == voor || inhoud == na) << "killed after write " << k;
        EXPECT_EQ(BevindingenIn(dir.path()), "") << "killed after write " << k;
        if (klaar) {
            EXPECT_EQ(inhoud, na);
            break;
        }
        ++gedood;
    }
    EXPECT_GE(gedood, 3);
}

}  // namespace
