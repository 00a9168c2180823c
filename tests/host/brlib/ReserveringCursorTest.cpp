// A stored reservation as the details form, the check-in list and the overview
// read it: header fields, lines in chain order, texts, check-ins with persons,
// and the questions the forms ask of it.

#include "host/brlib/ReserveringCursor.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvResRgl.h"
#include "tests/host/brlib/ResLeesTest.h"

using namespace brlib;

using ReserveringCursorTest = ResLeesTest;

namespace {

const TDateTime kMaandag = EncodeDate(2026, 3, 9);

BouwRegel Kamer(int32_t kamer, double prijs, const char* code)
{
    BouwRegel regel;
    regel.kamer = kamer;
    regel.prijs = prijs;
    regel.bedrag = prijs * 3;
    regel.tariefCode = QString::fromLatin1(code);
    regel.personen = 2;
    return regel;
}

}  // namespace

TEST_F(ReserveringCursorTest, HeaderFieldsLinesInChainOrderAndTexts)
{
    Boek(Res(kMaandag, 1, {201}));
    BouwRes res = Res(kMaandag, 3, {});
    res.regDatum = EncodeDateTime(2026, 2, 20, 14, 35, 0);
    res.regels = {Kamer(101, 80, "STD"), Kamer(102, 95.5, "WEEK"), Kamer(103, 60, "STD")};
    res.status = 1;
    res.soort = 1;
    res.nationaliteit = 2;
    res.zakelijk = 1;
    res.extra = {1, 0, 1, 0, 0, 0, 0, 0, 0, 7};
    res.relatieNr = 314;
    res.relatieNr2 = 27;
    res.groepNr = 5;
    res.totaal = 706.5;
    res.wijzigTeller = 4;
    res.gast = {"Jansen", "Piet", "Dorpsstraat 1"};
    res.extraTekst = {"Late aankomst"};
    res.relLabels = {"Naam", "Adres"};
    res.relWaarden = {"Jansen BV", "Kerkplein 2"};
    const JaarNr sleutel = Boek(res);
    const std::vector<int32_t> nummers = RegelNummers(sleutel);
    ZetAchteraan(sleutel, nummers[0]);

    RsvReserveringCursorRandom cursor;
    const RsvReservering& r = cursor.At(sleutel.jaar, sleutel.nr);
    EXPECT_EQ(r.sleutel, JaarNr(2026, 2));
    EXPECT_EQ(r.boekNr, QStringLiteral("26/00002"));
    EXPECT_EQ(r.status, rsIngechecked);
    EXPECT_EQ(r.regDatum, res.regDatum);
    EXPECT_EQ(r.begin, kMaandag);
    EXPECT_EQ(r.eind, kMaandag + 3);
    EXPECT_EQ(r.totaalBedrag, 706.5);
    EXPECT_EQ(r.wijzigTeller, 4);
    EXPECT_EQ(r.soort, 1);
    EXPECT_EQ(r.nationaliteit, 2);
    EXPECT_EQ(r.zakelijk, 1);
    EXPECT_EQ(r.extra, res.extra);
    EXPECT_EQ(r.relatieNr, 314);
    EXPECT_EQ(r.relatieNr2, 27);
    EXPECT_EQ(r.groepNr, 5);
    EXPECT_EQ(r.gastRegels, res.gast);
    EXPECT_EQ(r.extraRegels, res.extraTekst);
    EXPECT_EQ(r.relatieLabels, res.relLabels);
    EXPECT_EQ(r.relatieWaarden, res.relWaarden);

    ASSERT_EQ(r.kamerRegels.size(), 3u);
    EXPECT_EQ(r.kamerRegels[0].kamerNr, 102);
    EXPECT_EQ(r.kamerRegels[0].regelNr, nummers[1]);
    EXPECT_EQ(r.kamerRegels[0].prijs, 95.5);
    EXPECT_EQ(r.kamerRegels[0].bedrag, 286.5);
    EXPECT_EQ(r.kamerRegels[0].tariefCode, QStringLiteral("WEEK"));
    EXPECT_EQ(r.kamerRegels[0].resSleutel, sleutel);
    EXPECT_EQ(r.kamerRegels[0].begin, kMaandag);
    EXPECT_EQ(r.kamerRegels[0].eind, kMaandag + 3);
    EXPECT_EQ(r.kamerRegels[0].personen, 2);
    EXPECT_EQ(r.kamerRegels[0].soort, 1);
    EXPECT_EQ(r.kamerRegels[1].kamerNr, 103);
    EXPECT_EQ(r.kamerRegels[2].kamerNr, 101);
}

TEST_F(ReserveringCursorTest, ReadsOnlyTheListsAskedFor)
{
    BouwRes res = Res(kMaandag, 2, {101});
    res.gast = {"Jansen"};
    const JaarNr sleutel = Boek(res);
    CheckIn(sleutel, RegelNummers(sleutel)[0], {kMaandag + 0.6, false, 0, {}, false, {{"Jansen", "Piet"}}});

    RsvReserveringCursorRandom cursor;
    const RsvReservering& kaal = cursor.At(sleutel, 0);
    EXPECT_TRUE(kaal.kamerRegels.empty());
    EXPECT_TRUE(kaal.gastRegels.isEmpty());

    const RsvReservering& regels = cursor.At(sleutel, roRegels);
    ASSERT_EQ(regels.kamerRegels.size(), 1u);
    EXPECT_EQ(regels.kamerRegels[0].inCheck.sleutel, JaarNr(2026, 1));
    EXPECT_EQ(regels.kamerRegels[0].inCheck.inCheckTijd, 0);
    EXPECT_TRUE(regels.gastRegels.isEmpty());

    const RsvReservering& inChecks = cursor.At(sleutel, roInChecks | roTeksten);
    EXPECT_EQ(inChecks.kamerRegels[0].inCheck.inCheckTijd, kMaandag + 0.6);
    EXPECT_TRUE(inChecks.kamerRegels[0].inCheck.personen.empty());
    EXPECT_EQ(inChecks.gastRegels, QStringList({"Jansen"}));

    const RsvReservering& alles = cursor.At(sleutel);
    ASSERT_EQ(alles.kamerRegels[0].inCheck.personen.size(), 1u);
    EXPECT_EQ(alles.kamerRegels[0].inCheck.personen[0].waarden, QStringList({"Jansen", "Piet"}));
    EXPECT_EQ(&alles, &cursor.Reservering());
}

TEST_F(ReserveringCursorTest, CheckInsWithPersonsAndTheTillRegistrationOfTheProducts)
{
    const JaarNr sleutel = Boek(Res(kMaandag, 2, {101, 102}));
    const std::vector<int32_t> nummers = RegelNummers(sleutel);
    CheckIn(sleutel, nummers[0], {kMaandag + 0.5, true, kMaandag + 2.4, JaarNr(2026, 40), false, {{"A"}}});
    RsvReserveringCursorRandom cursor;
    EXPECT_EQ(cursor.At(sleutel).GetProductenRegNr(), JaarNr());
    stInCheck inCheck;
    EXPECT_FALSE(cursor.At(sleutel).GetIncheckProdReg(inCheck));

    CheckIn(sleutel, nummers[1], {kMaandag + 0.7, false, 0, JaarNr(2026, 41), true, {{"B", "b"}, {"C"}}});
    RsvReserveringCursorRandom nieuw;
    const RsvReservering& r = nieuw.At(sleutel);
    const stInCheck& eerste = r.kamerRegels[0].inCheck;
    EXPECT_TRUE(eerste.uitgecheckt);
    EXPECT_EQ(eerste.uitCheckTijd, kMaandag + 2.4);
    EXPECT_EQ(eerste.kassaRegistratie, JaarNr(2026, 40));
    const stInCheck& tweede = r.kamerRegels[1].inCheck;
    EXPECT_EQ(tweede.sleutel, JaarNr(2026, 2));
    ASSERT_EQ(tweede.personen.size(), 2u);
    EXPECT_EQ(tweede.personen[0].waarden, QStringList({"B", "b"}));
    EXPECT_EQ(tweede.personen[1].waarden, QStringList({"C"}));
    EXPECT_EQ(r.GetProductenRegNr(), JaarNr(2026, 41));
    ASSERT_TRUE(r.GetIncheckProdReg(inCheck));
    EXPECT_EQ(inCheck.sleutel, JaarNr(2026, 2));
    EXPECT_FALSE(inCheck.uitgecheckt);
}

TEST_F(ReserveringCursorTest, OpenUntilTheFirstRoomIsCheckedInAndNeverWhenCancelled)
{
    const JaarNr open = Boek(Res(kMaandag, 2, {101, 102}));
    BouwRes geannuleerd = Res(kMaandag, 2, {});
    geannuleerd.status = 99;
    const JaarNr weg = Boek(geannuleerd);

    RsvReserveringCursorRandom cursor;
    EXPECT_TRUE(cursor.At(open).IsVolledigOpenstaand());
    const RsvReservering& r = cursor.At(weg);
    EXPECT_EQ(r.status, rsGeannuleerd);
    EXPECT_EQ(r.status, 'c');
    EXPECT_TRUE(r.kamerRegels.empty());
    EXPECT_FALSE(r.IsVolledigOpenstaand());

    CheckIn(open, RegelNummers(open)[1], {kMaandag + 0.5, false, 0, {}, false, {}});
    RsvReserveringCursorRandom later;
    EXPECT_EQ(later.At(open).status, rsOpenstaand);
    EXPECT_FALSE(later.At(open).IsVolledigOpenstaand());
}

TEST_F(ReserveringCursorTest, ARoomMovedPartWayGivesTheBeginOfThePartThatStays)
{
    BouwRes res = Res(kMaandag, 5, {});
    BouwRegel oud = Kamer(101, 80, "STD");
    oud.eind = kMaandag + 3;
    oud.verplaatstNaar = 102;
    BouwRegel verplaatst = Kamer(102, 80, "STD");
    verplaatst.begin = kMaandag + 3;
    res.regels = {oud, Kamer(103, 60, "STD"), verplaatst};
    const JaarNr gesplitst = Boek(res);
    const JaarNr heel = Boek(Res(kMaandag + 1, 5, {104, 105}));

    RsvReserveringCursorRandom cursor;
    EXPECT_TRUE(cursor.At(gesplitst).KamersGesplitst());
    EXPECT_EQ(cursor.At(gesplitst).GetBeginDatumGesplitst(), kMaandag + 3);
    EXPECT_FALSE(cursor.At(heel).KamersGesplitst());
    EXPECT_EQ(cursor.At(heel).GetBeginDatumGesplitst(), kMaandag + 1);
}

TEST_F(ReserveringCursorTest, RoomTypesComeFromTheRoomList)
{
    RsvReservering r;
    r.kamerRegels.resize(3);
    r.kamerRegels[0].kamerNr = 12;
    r.kamerRegels[1].kamerNr = 11;
    r.kamerRegels[2].kamerNr = 99;
    r.kamerRegels[2].kamerType = QStringLiteral("oud");
    std::vector<stKamer> kamers(2);
    kamers[0].kamerNr = 11;
    kamers[0].kamerType.code = QStringLiteral("EPK");
    kamers[1].kamerNr = 12;
    kamers[1].kamerType.code = QStringLiteral("DBL");
    kamers[1].kamerType.omschr = QStringLiteral("Tweepersoons");
    r.VulKamerTypes(kamers);
    EXPECT_EQ(r.kamerRegels[0].kamerType, QStringLiteral("Tweepersoons"));
    EXPECT_EQ(r.kamerRegels[1].kamerType, QStringLiteral("EPK"));
    EXPECT_EQ(r.kamerRegels[2].kamerType, QString());
}

TEST_F(ReserveringCursorTest, ANumberBeyondTheYearOrADamagedChainRaises)
{
    const JaarNr sleutel = Boek(Res(kMaandag, 2, {101, 102}));
    RsvReserveringCursorRandom cursor;
    try {
        cursor.At(2026, 2);
        FAIL() << "no exception";
    } catch (const EBrRuntime& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Reservering 26/00002 bestaat niet."));
    }
    EXPECT_THROW(cursor.At(2026, 0), EBrRuntime);
    EXPECT_THROW(cursor.At(2027, 1), EBrRuntime);

    beschadigd_ = true;
    const int32_t tweede = RegelNummers(sleutel)[1];
    Beschadig([&] {
        RecordCache<WIN_rsv_res_rgl> rgl(Bestanden::ResRgl, tfPerJaar, false, false);
        WIN_rsv_res_rgl regel = rgl.Record(sleutel.jaar, tweede);
        regel.volgende = tweede;
        rgl.Store(sleutel.jaar, tweede, regel);
    });
    RsvReserveringCursorRandom nieuw;
    EXPECT_THROW(nieuw.At(sleutel), EBrRuntime);
    EXPECT_NO_THROW(nieuw.At(sleutel, roTeksten));
}

TEST_F(ReserveringCursorTest, AReservationStoredAfterTheFirstReadIsFoundWithAllItsLines)
{
    // The overview keeps one cursor while another workstation books.
    Boek(Res(kMaandag, 2, {101}));
    RsvReserveringCursorRandom cursor;
    EXPECT_EQ(cursor.At(2026, 1).kamerRegels.size(), 1u);

    const JaarNr later = Boek(Res(kMaandag, 2, {102, 103, 104}));
    const RsvReservering& r = cursor.At(later);
    ASSERT_EQ(r.kamerRegels.size(), 3u);
    EXPECT_EQ(r.kamerRegels[2].kamerNr, 104);
    EXPECT_THROW(cursor.At(2026, 3), EBrRuntime);
}
