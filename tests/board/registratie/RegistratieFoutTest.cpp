// Registrations that must leave the files as they were: a room booked
// meanwhile on another workstation, a lock held elsewhere, a full disk.

#include "tests/board/registratie/RegistratieTest.h"

#include "host/records/Locks.h"
#include "host/records/UpdateCount.h"
#include "masterdata/KamerStatusOpslag.h"
#include "tests/support/FaultFileSystem.h"

TEST_F(RegistratieTest, ARoomBookedMeanwhileElsewhereStopsTheWholeRegistrationWithTheMessage)
{
    ASSERT_TRUE(Boek({Regel(101, maandag_ - 14, maandag_ - 10)}).opgeslagen);
    // The board composed its lines; meanwhile the other workstation takes room 102 for Wednesday.
    ASSERT_TRUE(BoekAlsTweede({Regel(102, maandag_ + 2, maandag_ + 3)}).opgeslagen);
    const auto voor = AlleBestanden(admin_.Dir());

    const bord::RegistratieResultaat r =
        Boek({Regel(101, maandag_, maandag_ + 3), Regel(102, maandag_, maandag_ + 3)}, true);

    EXPECT_TRUE(r.gedaan);  // the board leaves the mode and reads again
    EXPECT_FALSE(r.opgeslagen);
    EXPECT_TRUE(r.reserveringen.empty());
    EXPECT_EQ(AlleBestanden(admin_.Dir()), voor);
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().kind, MsgKind::Error);
    EXPECT_EQ(berichten_.Laatste().titel, kTitel);
    EXPECT_EQ(berichten_.Laatste().tekst,
              QStringLiteral("Kan de nieuwe reservering(en) niet registreren omdat door tussentijdse wijzigingen "
                             "(op andere werkplekken) een of meerdere kamers niet meer vrij zijn voor de opgegeven "
                             "periode.\nDe gegevens worden nu opnieuw ingelezen. Probeer het daarna opnieuw."));
    // The lock was given back before the message: the other workstation can book at once.
    EXPECT_TRUE(BoekAlsTweede({Regel(103, maandag_, maandag_ + 1)}).opgeslagen);
}

// The booking before keeps its chunks; housekeeping on another workstation must still be seen.
TEST_F(RegistratieTest, ARoomTakenOutOfUseMeanwhileElsewhereIsNotBooked)
{
    ASSERT_TRUE(Boek({Regel(101, maandag_ - 14, maandag_ - 10)}).opgeslagen);
    {
        brlib::WerkstationScope scope(tweede_);
        ASSERT_TRUE(logboek::ZetKamerStatus(102, logboek::ksBuitenGebruik, QStringLiteral("Huishouding")));
    }
    const auto voor = AlleBestanden(admin_.Dir());

    const bord::RegistratieResultaat r = Boek({Regel(102, maandag_, maandag_ + 3)});

    EXPECT_FALSE(r.opgeslagen);
    EXPECT_EQ(AlleBestanden(admin_.Dir()), voor);
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().kind, MsgKind::Error);
}

TEST_F(RegistratieTest, ALockHeldElsewhereWritesNothingAndSaysNothing)
{
    const auto voor = AlleBestanden(admin_.Dir());
    {
        brlib::WerkstationScope scope(tweede_);
        ASSERT_TRUE(brlib::RsvLock());
    }
    const bord::RegistratieResultaat r = Boek({Regel(101, maandag_, maandag_ + 3)});
    {
        brlib::WerkstationScope scope(tweede_);
        brlib::RsvUnlock();
    }
    EXPECT_FALSE(r.gedaan);
    EXPECT_FALSE(r.opgeslagen);
    EXPECT_TRUE(berichten_.Gezien().empty());
    EXPECT_EQ(AlleBestanden(admin_.Dir()), voor);
    EXPECT_TRUE(Boek({Regel(101, maandag_, maandag_ + 3)}).opgeslagen);
}

// Whichever write of the commit fails, nothing of the registration is on disk,
// the user is told, and the same booking succeeds once the disk has room.
TEST_F(RegistratieTest, AFullDiskAtAnyWriteLeavesNothingOfTheRegistration)
{
    ASSERT_TRUE(Boek({Regel(101, maandag_ - 14, maandag_ - 10)}, false, Gast("Eerder")).opgeslagen);
    const std::vector<brlib::stRes> groep = {Regel(101, maandag_, maandag_ + 3), Regel(102, maandag_, maandag_ + 3)};
    FaultFileSystem fs;
    int mislukt = 0;
    for (int n = 1; n < 40; ++n) {
        const auto voor = AlleBestanden(admin_.Dir());
        const size_t berichten = berichten_.Gezien().size();
        bord::RegistratieResultaat r;
        {
            brlib::WerkstationScope scope(std::make_shared<brlib::Werkstation>(admin_.Dir(), fs));
            fs.FailWrite(n);
            r = Boek(groep, true);
            fs.FailWrite(0);
        }
        if (r.opgeslagen)  // n lies beyond the last write of the commit
            break;
        ++mislukt;
        EXPECT_FALSE(r.gedaan) << "write " << n;
        EXPECT_EQ(AlleBestanden(admin_.Dir()), voor) << "write " << n;
        ASSERT_EQ(berichten_.Gezien().size(), berichten + 1) << "write " << n;
        EXPECT_TRUE(berichten_.Laatste().tekst.startsWith(
            QStringLiteral("De nieuwe reservering(en) is niet geregistreerd.\n")));
        EXPECT_EQ(Bevindingen(), QString()) << "write " << n;
    }
    EXPECT_GT(mislukt, 5);
    EXPECT_EQ(+Kop(JaarNr(2026, 3)).groepNr, 1);
}
