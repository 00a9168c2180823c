// Every write path killed after its k-th write to disk: once the next lock
// holder has recovered, the administration holds the whole action or none of
// it, and the integrity check finds nothing. The writer is a child process
// (rsv_schrijfpad) that dies by SIGKILL right after write k.

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "host/records/Werkstation.h"
#include "tests/schrijfpaden/PadAdministratie.h"
#include "tests/schrijfpaden/SchrijfPaden.h"
#include "tests/support/ProgrammaMap.h"
#include "tests/support/RecordBestanden.h"

namespace {

using Inhoud = std::map<QString, QByteArray>;

struct KindRun {
    bool gedood = false;
    int status = -1;
    int schrijfacties = 0;
    QString uitvoer;
};

KindRun DraaiPad(const QString& dir, const QString& naam, int crashNa)
{
    QProcess kind;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("RSV_VANDAAG", "2026-03-10");
    env.remove("RSV_CRASH_AFTER_WRITES");
    if (crashNa > 0)
        env.insert("RSV_CRASH_AFTER_WRITES", QString::number(crashNa));
    kind.setProcessEnvironment(env);
    kind.start(ProgrammaMap() + "/rsv_schrijfpad", {dir, naam});
    KindRun run;
    if (!kind.waitForFinished(60000)) {
        ADD_FAILURE() << "rsv_schrijfpad " << naam.toStdString() << " hangs";
        return run;
    }
    run.gedood = kind.exitStatus() == QProcess::CrashExit;
    run.status = kind.exitCode();
    run.uitvoer = QString::fromLocal8Bit(kind.readAllStandardError());
    std::sscanf(kind.readAllStandardOutput().constData(), "schrijfacties %d", &run.schrijfacties);
    return run;
}

// The kill points: every write up to 24, beyond that the first three, the last
// three and about 20 evenly spread between, so that a path with many writes
// keeps the test short.
std::vector<int> KillPunten(int n)
{
    std::vector<int> punten;
    const int stap = n <= 24 ? 1 : (n + 19) / 20;
    for (int k = 1; k <= n; ++k)
        if (stap == 1 || k <= 3 || k > n - 3 || k % stap == 0)
            punten.push_back(k);
    return punten;
}

// The bytes two complete runs wrote differently (clock times and change
// stamps), each with the seven bytes after it: a run at another moment may
// differ in higher bytes of the same field.
using Masker = std::map<QString, std::vector<bool>>;

Masker Tijdvelden(const Inhoud& a, const Inhoud& b)
{
    Masker masker;
    for (const auto& [pad, bytes] : a) {
        std::vector<bool>& m = masker[pad];
        m.assign(bytes.size(), false);
        const QByteArray& ander = b.count(pad) ? b.at(pad) : QByteArray();
        for (qsizetype i = 0; i < bytes.size() && i < ander.size(); ++i)
            if (bytes[i] != ander[i])
                for (qsizetype j = i; j < i + 8 && j < bytes.size(); ++j)
                    m[j] = true;
    }
    return masker;
}

bool GelijkBuitenTijd(const Inhoud& x, const Inhoud& na, const Masker& masker)
{
    if (x.size() != na.size())
        return false;
    for (const auto& [pad, bytes] : na) {
        const auto it = x.find(pad);
        if (it == x.end() || it->second.size() != bytes.size())
            return false;
        for (qsizetype i = 0; i < bytes.size(); ++i)
            if (it->second[i] != bytes[i] && !masker.at(pad)[i])
                return false;
    }
    return true;
}

Inhoud DraaiHeel(const QString& naam, KindRun& run)
{
    QTemporaryDir dir;
    KopieerAdministratie(DemoBasis(), dir.path());
    run = DraaiPad(dir.path(), naam, 0);
    EXPECT_EQ(run.status, 0) << naam.toStdString() << " did not store:\n" << run.uitvoer.toStdString();
    EXPECT_EQ(BevindingenIn(dir.path()), "") << naam.toStdString();
    return AlleBestanden(dir.path());
}

// One path's complete run and its kill runs, compared once the time fields are known.
struct PadUitkomst {
    QString naam;
    int schrijfacties = 0;
    Inhoud na;
    std::vector<std::pair<int, Inhoud>> gedood;
};

PadUitkomst DoodPad(const QString& naam)
{
    PadUitkomst uit{naam};
    KindRun heel;
    uit.na = DraaiHeel(naam, heel);
    uit.schrijfacties = heel.schrijfacties;
    EXPECT_GT(heel.schrijfacties, 2) << naam.toStdString();
    for (const int k : KillPunten(heel.schrijfacties)) {
        QTemporaryDir dir;
        KopieerAdministratie(DemoBasis(), dir.path());
        const KindRun run = DraaiPad(dir.path(), naam, k);
        EXPECT_TRUE(run.gedood) << naam.toStdString() << " not killed after write " << k;
        Herstel(dir.path());
        EXPECT_EQ(BevindingenIn(dir.path()), "") << naam.toStdString() << " killed after write " << k;
        uit.gedood.emplace_back(k, AlleBestanden(dir.path()));
    }
    return uit;
}

void Vergelijk(const PadUitkomst& uit, const Inhoud& voor, const Inhoud& nogmaals)
{
    SCOPED_TRACE(uit.naam.toStdString());
    ASSERT_NE(uit.na, voor);
    const Masker tijd = Tijdvelden(uit.na, nogmaals);
    ASSERT_FALSE(uit.gedood.empty());
    for (const auto& [k, inhoud] : uit.gedood) {
        EXPECT_TRUE(inhoud == voor || GelijkBuitenTijd(inhoud, uit.na, tijd))
            << "killed after write " << k << " of " << uit.schrijfacties << ": half an action";
    }
}

class CrashPad : public testing::TestWithParam<std::string> {};

TEST_P(CrashPad, EveryKillPointLeavesTheActionWholeOrAbsent)
{
    const Inhoud voor = AlleBestanden(DemoBasis());
    QElapsedTimer klok;
    klok.start();
    std::vector<PadUitkomst> uitkomsten;
    for (const QString& naam : PadenVanGroep(QString::fromStdString(GetParam())))
        uitkomsten.push_back(DoodPad(naam));
    // Second complete runs, at least a second later, show which bytes are times.
    QThread::msleep(std::max<qint64>(0, 1100 - klok.elapsed()));
    for (const PadUitkomst& uit : uitkomsten) {
        KindRun nogmaals;
        Vergelijk(uit, voor, DraaiHeel(uit.naam, nogmaals));
    }
}

INSTANTIATE_TEST_SUITE_P(Groepen, CrashPad, testing::ValuesIn(PadGroepen()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
