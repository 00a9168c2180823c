// Every write path on a disk that fails one write or one sync: whichever it is
// (of the journal or the data), the user gets a Dutch message that names the
// cause, nothing of the action stays on disk, the integrity check is clean, and
// the same action succeeds once the disk works again.

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "host/base/AdminDir.h"
#include "host/base/EBrRuntime.h"
#include "host/base/HuidigeDatum.h"
#include "host/records/Werkstation.h"
#include "tests/schrijfpaden/PadAdministratie.h"
#include "tests/schrijfpaden/SchrijfPaden.h"
#include "tests/support/FaultFileSystem.h"
#include "tests/support/RecordBestanden.h"
#include "tests/support/ScriptedMessages.h"

namespace {

struct Poging {
    bool opgeslagen = false;
    QStringList meldingen;  // what the user was told, questions left out
};

// Makes the n-th write or sync from now fail.
using Storing = std::function<void(FaultFileSystem&, int n)>;

Poging Probeer(const SchrijfPad& pad, const QString& dir, FaultFileSystem& fs,
              const std::function<void(FaultFileSystem&)>& stoor)
{
    Poging poging;
    ScriptedMessages berichten;
    {
        brlib::WerkstationScope scope(std::make_shared<brlib::Werkstation>(dir, fs));
        stoor(fs);
        try {
            poging.opgeslagen = pad.voerUit();
        } catch (const EBrRuntime& e) {
            poging.meldingen << e.Message();
        }
        fs.FailWrite(0);
        fs.FailSync(0);
    }
    for (const MsgRequest& b : berichten.Gezien())
        if (b.knoppen != msg::mbYesNo)
            poging.meldingen << b.tekst;
    return poging;
}

// A copy of the demo administration, the current one while it lives.
class DemoKopie {
public:
    DemoKopie()
    {
        KopieerAdministratie(DemoBasis(), dir_.path());
        ZetAdminDir(dir_.path());
    }
    ~DemoKopie() { ZetAdminDir(vorige_); }
    QString Pad() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString vorige_ = HuidigeAdminDir();
};

void FaalBijElkeStap(const SchrijfPad& pad, const Storing& storing, int fout, int minstens)
{
    SCOPED_TRACE(pad.naam.toStdString());
    const DemoKopie kopie;
    const QString dir = kopie.Pad();
    const auto voor = AlleBestanden(dir);
    FaultFileSystem fs;
    int mislukt = 0;
    for (int n = 1; n < 100; ++n) {
        const Poging p = Probeer(pad, dir, fs, [&](FaultFileSystem& f) { storing(f, n); });
        if (p.opgeslagen)  // n lies beyond the action's last write
            break;
        ++mislukt;
        ASSERT_EQ(p.meldingen.size(), 1) << "fault " << n << ": " << p.meldingen.join(" | ").toStdString();
        EXPECT_TRUE(p.meldingen[0].contains(brlib::FoutTekst(fout))) << p.meldingen[0].toStdString();
        EXPECT_EQ(AlleBestanden(dir), voor) << "fault " << n;
        EXPECT_EQ(BevindingenIn(dir), "") << "fault " << n;
    }
    EXPECT_GE(mislukt, minstens);
    EXPECT_NE(AlleBestanden(dir), voor);
    EXPECT_EQ(BevindingenIn(dir), "");
}

// A power cut right after any write of the action: once the machine is back
// and the next lock holder has recovered, the files hold nothing of the action
// when the user was told it failed, and the whole action otherwise (a cut
// after the journal's sync leaves an action that recovery finishes; the user
// is told it was stored, since nothing can undo it any more, unless reading
// it back failed).
void StroomUitNaElkeSchrijfactie(const SchrijfPad& pad)
{
    SCOPED_TRACE(pad.naam.toStdString());
    const DemoKopie kopie;
    const QString dir = kopie.Pad();
    const auto voor = AlleBestanden(dir);
    int uitgevallen = 0;
    for (int n = 1; n < 100; ++n) {
        FaultFileSystem fs;
        const Poging p = Probeer(pad, dir, fs, [&](FaultFileSystem& f) { f.PowerOffAfterWrites(n); });
        const bool uit = fs.PoweredOff();
        const auto geschreven = AlleBestanden(dir);
        fs.DropUnsynced();
        Herstel(dir);
        const auto hersteld = AlleBestanden(dir);
        if (!p.opgeslagen && !pad.leestTerug)
            EXPECT_EQ(hersteld, voor) << "power cut after write " << n;
        else if (!p.opgeslagen && !uit)
            EXPECT_TRUE(hersteld == voor || hersteld == geschreven) << "power cut after write " << n;
        else if (!uit)
            EXPECT_EQ(hersteld, geschreven) << "power cut after write " << n;
        else if (p.opgeslagen)
            EXPECT_NE(hersteld, voor) << "power cut after write " << n;
        EXPECT_EQ(BevindingenIn(dir), "") << "power cut after write " << n;
        if (p.opgeslagen || !uit)
            break;
        ++uitgevallen;
    }
    EXPECT_GT(uitgevallen, 0);
}

class FoutPad : public testing::TestWithParam<std::string> {};

TEST_P(FoutPad, AFullDiskOrAFailedWriteOrSyncAnywhereLeavesNothingAndSaysWhy)
{
    HuidigeDatumVast vandaag(EncodeDate(2026, 3, 10));
    for (const QString& naam : PadenVanGroep(QString::fromStdString(GetParam()))) {
        const SchrijfPad& pad = *VindPad(naam);
        // Writes: the journal's and every data file's; syncs: the journal's.
        FaalBijElkeStap(pad, [](FaultFileSystem& fs, int n) { fs.FailWrite(n, ENOSPC); }, ENOSPC, 3);
        FaalBijElkeStap(pad, [](FaultFileSystem& fs, int n) { fs.FailWrite(n, EIO); }, EIO, 3);
        FaalBijElkeStap(pad, [](FaultFileSystem& fs, int n) { fs.FailSync(n, EIO); }, EIO, 1);
    }
}

TEST_P(FoutPad, APowerCutAfterAnyWriteLeavesTheActionOnlyWhenItWasReportedStored)
{
    HuidigeDatumVast vandaag(EncodeDate(2026, 3, 10));
    for (const QString& naam : PadenVanGroep(QString::fromStdString(GetParam())))
        StroomUitNaElkeSchrijfactie(*VindPad(naam));
}

INSTANTIATE_TEST_SUITE_P(Groepen, FoutPad, testing::ValuesIn(PadGroepen()),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
