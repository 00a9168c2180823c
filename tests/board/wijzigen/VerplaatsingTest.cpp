// Moving a stored line to another room: wholly, or from a day on; what the
// check on disk lets through; and the turn of the year.

#include "tests/board/wijzigen/WijzigTest.h"

#include "host/records/UpdateCount.h"
#include "tests/support/FaultFileSystem.h"

using bord::Afloop;

TEST_F(WijzigTest, AOneNightLineMovesOntoARoomThatIsFreeExactlyForThatNight)
{
    const JaarNr res = BoekKamer(101, maandag_, maandag_ + 1);
    BoekKamer(102, maandag_ - 1, maandag_);      // leaves on the arrival day
    BoekKamer(102, maandag_ + 1, maandag_ + 3);  // arrives on the departure day
    const int32_t updateCount = brlib::RsvGetUpdateCount();

    ASSERT_EQ(bord::RegistreerVerplaatsing(Verplaatsing(res, 102), kTitel), Afloop::Opgeslagen);

    EXPECT_TRUE(berichten_.Gezien().empty());
    EXPECT_NE(brlib::RsvGetUpdateCount(), updateCount);  // other boards read again
    ASSERT_EQ(RegelsVan(res).size(), 1u);
    EXPECT_EQ(+RegelsVan(res)[0].kamerNr, 102);
    EXPECT_EQ(+RegelsVan(res)[0].verplaatstNaar, 0);
    EXPECT_EQ(+Kop(res).wijzigTeller, 2);
}

TEST_F(WijzigTest, ARoomTakenOnDiskMeanwhileStopsTheMoveWithTheMessage)
{
    const JaarNr res = BoekKamer(101, maandag_, maandag_ + 3);
    const bord::Verplaatsing v = Verplaatsing(res, 102);
    ASSERT_TRUE(BoekAlsTweede({Regel(102, maandag_ + 2, maandag_ + 4)}).opgeslagen);

    EXPECT_EQ(bord::RegistreerVerplaatsing(v, kTitel), Afloop::Gedaan);

    EXPECT_EQ(+RegelsVan(res)[0].kamerNr, 101);
    EXPECT_EQ(+Kop(res).wijzigTeller, 1);
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().kind, MsgKind::Error);
    EXPECT_EQ(berichten_.Laatste().titel, kTitel);
    EXPECT_TRUE(berichten_.Laatste().tekst.startsWith(
        QStringLiteral("Kan de verplaatsing niet registreren omdat door tussentijdse wijzigingen (op andere "
                       "werkplekken) het nieuwe kamernummer niet meer beschikbaar is in de betreffende periode.\n")));
}

TEST_F(WijzigTest, AReservationChangedOnAnotherWorkstationIsNotMovedNorShifted)
{
    const JaarNr res = BoekKamer(101, maandag_, maandag_ + 3);
    const bord::Verplaatsing v = Verplaatsing(res, 102);
    const bord::PeriodeWijziging p = Periode(res, maandag_ + 7, maandag_ + 10);
    {
        brlib::WerkstationScope scope(tweede_);
        ASSERT_EQ(bord::RegistreerVerplaatsing(Verplaatsing(res, 103), kTitel), Afloop::Opgeslagen);
    }

    EXPECT_EQ(bord::RegistreerVerplaatsing(v, kTitel), Afloop::Gedaan);
    EXPECT_EQ(bord::RegistreerPeriodeWijziging(p, kTitel), Afloop::Gedaan);

    EXPECT_EQ(+RegelsVan(res)[0].kamerNr, 103);
    EXPECT_EQ(+Kop(res).BeginDatum(), maandag_);
    ASSERT_EQ(berichten_.Gezien().size(), 2u);
    EXPECT_EQ(berichten_.Gezien()[0].tekst,
              QStringLiteral("Kan de verplaatsing niet registreren omdat deze reservering tussentijds (op een andere "
                             "werkplek) is gewijzigd.\nDe gegevens worden nu opnieuw ingelezen. Probeer het daarna "
                             "opnieuw."));
    EXPECT_EQ(berichten_.Gezien()[1].tekst,
              QStringLiteral("Kan de wijziging niet registreren omdat deze reservering tussentijds (op een andere "
                             "werkplek) is gewijzigd.\nDe gegevens worden nu opnieuw ingelezen. Probeer het daarna "
                             "opnieuw."));
}

TEST_F(WijzigTest, ALockHeldElsewhereMovesNothing)
{
    const JaarNr res = BoekKamer(101, maandag_, maandag_ + 3);
    {
        brlib::WerkstationScope scope(tweede_);
        ASSERT_TRUE(brlib::RsvLock());
    }
    const bord::Afloop r = bord::RegistreerVerplaatsing(Verplaatsing(res, 102), kTitel);
    {
        brlib::WerkstationScope scope(tweede_);
        brlib::RsvUnlock();
    }
    EXPECT_EQ(r, Afloop::Mislukt);
    EXPECT_EQ(+RegelsVan(res)[0].kamerNr, 101);
}

// Whichever write of the commit fails, nothing of the move is on disk and the user is told.
TEST_F(WijzigTest, AFullDiskAtAnyWriteLeavesNothingOfAPartialMove)
{
    const JaarNr res = BoekKamer(101, maandag_, maandag_ + 5);
    ZetVoorReg(res, 101, {QStringLiteral("Pietersen")});
    const bord::Verplaatsing v = Verplaatsing(res, 102, maandag_ + 2);
    FaultFileSystem fs;
    int mislukt = 0;
    for (int n = 1; n < 80; ++n) {
        const auto voor = AlleBestanden(admin_.Dir());
        const size_t berichten = berichten_.Gezien().size();
        bord::Afloop r = bord::Afloop::Mislukt;
        {
            brlib::WerkstationScope scope(std::make_shared<brlib::Werkstation>(admin_.Dir(), fs));
            fs.FailWrite(n);
            r = bord::RegistreerVerplaatsing(v, kTitel);
            fs.FailWrite(0);
        }
        if (r == Afloop::Opgeslagen)  // n lies beyond the last write of the commit
            break;
        ++mislukt;
        EXPECT_EQ(AlleBestanden(admin_.Dir()), voor) << "write " << n;
        ASSERT_EQ(berichten_.Gezien().size(), berichten + 1) << "write " << n;
        EXPECT_TRUE(berichten_.Laatste().tekst.startsWith(QStringLiteral("De wijziging is niet geregistreerd.\n")));
    }
    EXPECT_GT(mislukt, 5);
    EXPECT_EQ(RegelsVan(res).size(), 2u);
}

// A split from day p: [begin, p) stays on the old room and continues on the
// new one, [p, end) is the moved line; each hangs under its own begin day, and
// the guest named for the room is on both rooms.
TEST_F(WijzigTest, APartialMoveSplitsTheLineUnderTwoBeginDays)
{
    const JaarNr res = BoekKamer(101, maandag_, maandag_ + 5);
    ZetVoorReg(res, 101, {QStringLiteral("Pietersen"), QStringLiteral("Kerkweg 3")});
    const int32_t regel = RegelNr(res);

    ASSERT_EQ(bord::RegistreerVerplaatsing(Verplaatsing(res, 102, maandag_ + 2), kTitel), Afloop::Opgeslagen);

    const std::vector<WIN_rsv_res_rgl> regels = RegelsVan(res);
    ASSERT_EQ(regels.size(), 2u);
    EXPECT_EQ(+regels[0].kamerNr, 102);
    EXPECT_EQ(+regels[0].BeginDatum(), maandag_ + 2);
    EXPECT_EQ(+regels[0].EindDatum(), maandag_ + 5);
    EXPECT_EQ(+regels[0].verplaatstNaar, 0);
    EXPECT_EQ(+regels[1].kamerNr, 101);
    EXPECT_EQ(+regels[1].BeginDatum(), maandag_);
    EXPECT_EQ(+regels[1].EindDatum(), maandag_ + 2);
    EXPECT_EQ(+regels[1].verplaatstNaar, 102);
    EXPECT_EQ(+regels[1].wijzigTeller, 0);
    EXPECT_EQ(LijnenOpDag(maandag_ + 2), std::vector<int32_t>{regel});
    ASSERT_EQ(LijnenOpDag(maandag_).size(), 1u);
    EXPECT_NE(LijnenOpDag(maandag_)[0], regel);
    EXPECT_EQ(+Kop(res).wijzigTeller, 3);

    const std::vector<brlib::stVoorReg> voorRegs = VoorRegs(res);
    ASSERT_EQ(voorRegs.size(), 2u);
    EXPECT_EQ(voorRegs[0].kamerNr, 102);
    EXPECT_EQ(voorRegs[1].kamerNr, 101);
    EXPECT_EQ(voorRegs[1].regels, voorRegs[0].regels);
    EXPECT_EQ(voorRegs[1].regels.value(0), QStringLiteral("Pietersen"));

    // Room 101 is free again from p on; moving the tail on keeps the head's continuation right.
    BoekKamer(101, maandag_ + 2, maandag_ + 4);
    ASSERT_EQ(bord::RegistreerVerplaatsing(Verplaatsing(res, 103), kTitel), Afloop::Opgeslagen);
    EXPECT_EQ(+RegelsVan(res)[0].kamerNr, 103);
    EXPECT_EQ(+RegelsVan(res)[1].verplaatstNaar, 103);
}

// Lines hang under their begin day in the files of their reservation's year,
// and readers look for a January day only in the next year's files: a tail
// that would begin in January is refused, a whole move across the year is not.
TEST_F(WijzigTest, AtTheTurnOfTheYearOnlyWholeLinesMoveAndTheRoomMovedIntoStaysTaken)
{
    const TDateTime nieuwjaar = EncodeDate(2027, 1, 1);
    const JaarNr res = BoekKamer(101, nieuwjaar - 4, nieuwjaar + 3);

    EXPECT_EQ(bord::RegistreerVerplaatsing(Verplaatsing(res, 102, nieuwjaar + 1), kTitel), Afloop::Gedaan);
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().tekst,
              QStringLiteral("Kan niet verplaatsen vanaf 02-01-2027: een reservering uit 2026 kan alleen binnen dat "
                             "jaar gedeeltelijk worden verplaatst.\nVerplaats de kamer vanaf een datum in 2026 of "
                             "verplaats de hele kamer."));
    EXPECT_EQ(RegelsVan(res).size(), 1u);

    ASSERT_EQ(bord::RegistreerVerplaatsing(Verplaatsing(res, 102, nieuwjaar - 1), kTitel), Afloop::Opgeslagen);
    EXPECT_FALSE(Boek({Regel(102, nieuwjaar + 1, nieuwjaar + 2)}).opgeslagen);
    EXPECT_FALSE(Boek({Regel(102, nieuwjaar - 1, nieuwjaar)}).opgeslagen);
    EXPECT_FALSE(Boek({Regel(101, nieuwjaar - 2, nieuwjaar - 1)}).opgeslagen);
    EXPECT_TRUE(Boek({Regel(101, nieuwjaar - 1, nieuwjaar + 1)}).opgeslagen);
}
