// What a full disk leaves of a check-out, and what a moved room allows.

#include "tests/checkin/InCheckTest.h"

#include "checkin/InCheckToestand.h"
#include "tests/support/FaultFileSystem.h"
#include "tests/support/RecordBestanden.h"

TEST_F(InCheckTest, AFullDiskDuringCheckOutIsReportedAndLeavesEveryFileAsItWas)
{
    const JaarNr res = Boek({101, 102});
    incheck::InCheckLijst lijst = Lijst(res);
    CheckIn(lijst, 0);
    CheckIn(lijst, 1);
    FaultFileSystem fs;
    auto schijf = std::make_shared<brlib::Werkstation>(admin_.Dir(), fs);
    int mislukt = 0;
    for (int n = 1; n < 60; ++n) {
        const auto voor = AlleBestanden(admin_.Dir());
        ScriptedMessages berichten;
        brlib::WerkstationScope scope(schijf);
        fs.FailWrite(n);
        lijst.AllesUitchecken({0, 1});
        fs.FailWrite(0);
        if (berichten.Laatste().kind == MsgKind::Info)
            break;
        ++mislukt;
        EXPECT_EQ(AlleBestanden(admin_.Dir()), voor) << "write " << n;
        EXPECT_TRUE(berichten.Laatste().tekst.startsWith(QStringLiteral("De wijzigingen zijn niet opgeslagen.\n")))
            << berichten.Laatste().tekst.toStdString();
        EXPECT_FALSE(incheck::IsUitgecheckt(lijst.Reservering().kamerRegels[0]));
    }
    EXPECT_GT(mislukt, 3);
    EXPECT_EQ(+Kop(res).status, 2);
}

TEST_F(InCheckTest, AMovedRoomIsNeitherCheckedInNorOutHereAndShowsWhereItWent)
{
    const JaarNr res = Boek({101, 102});
    incheck::InCheckLijst lijst = Lijst(res);
    CheckIn(lijst, 0);
    CheckIn(lijst, 1);
    {
        brlib::RsvActie actie;
        ASSERT_TRUE(actie.Locked());
        RecordCache<WIN_rsv_res_rgl> rgl(Bestanden::ResRgl, brlib::tfPerJaar, false, false);
        WIN_rsv_res_rgl regel = rgl.Record(2026, lijst.Reservering().kamerRegels[1].regelNr);
        regel.verplaatstNaar = 12;
        ++regel.wijzigTeller;
        rgl.Store(2026, lijst.Reservering().kamerRegels[1].regelNr, regel);
        actie.Commit();
    }
    lijst.Verversen();
    ScriptedMessages berichten({msg::idYes, msg::idYes});
    lijst.KamerUitchecken(1);
    EXPECT_EQ(berichten.Laatste().tekst,
              QStringLiteral("Kan deze kamer niet in- of uitchecken omdat deze deels verplaatst is naar kamernummer "
                             "12.\nHet nieuwe kamernummer kunt u evt. wel in- of uitchecken."));
    lijst.AllesUitchecken({0, 1});
    EXPECT_EQ(berichten.Laatste().tekst, QStringLiteral("Gereed: 1 kamer(s) uitgechecked."));
    EXPECT_FALSE(incheck::IsUitgecheckt(lijst.Reservering().kamerRegels[1]));
}
