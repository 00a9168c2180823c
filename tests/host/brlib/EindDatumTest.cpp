// A new end date is checked against what is on disk: the stay's own limits and
// the bookings of other reservations on its rooms, with half-open days and
// across the turn of the year.

#include "host/brlib/KamerBezetting.h"
#include "host/brlib/ReserveringCursor.h"
#include "tests/host/brlib/ResLeesTest.h"

using namespace brlib;

namespace {

const TDateTime kMaandag = EncodeDate(2026, 3, 9);

class EindDatumTest : public ResLeesTest {
protected:
    bool Check(JaarNr res, TDateTime nieuwEind)
    {
        meldingen_.clear();
        RsvReserveringCursorRandom cursor;
        return cursor.At(res).CheckNieuweEindDatum(nieuwEind, meldingen_);
    }

    QStringList meldingen_;
};

}  // namespace

TEST_F(EindDatumTest, AnExtensionStopsAtTheNextArrivalOnTheRoom)
{
    const JaarNr eigen = Boek(Res(kMaandag, 2, {101, 102}));
    Boek(Res(kMaandag + 4, 3, {101}));
    Boek(Res(kMaandag + 2, 5, {103}));

    EXPECT_TRUE(Check(eigen, kMaandag + 3));
    EXPECT_TRUE(Check(eigen, kMaandag + 4)) << meldingen_.join('\n').toStdString();
    EXPECT_TRUE(meldingen_.isEmpty());
    EXPECT_TRUE(Check(eigen, kMaandag + 1));

    EXPECT_FALSE(Check(eigen, kMaandag + 5));
    EXPECT_EQ(meldingen_,
              QStringList({"Kamer 101 is bezet door reservering 26/00002 van 13-03-2026 tot 16-03-2026."}));
}

TEST_F(EindDatumTest, TheStayItselfLimitsTheEndDate)
{
    const JaarNr eigen = Boek(Res(kMaandag, 2, {101}));
    EXPECT_FALSE(Check(eigen, kMaandag));
    EXPECT_EQ(meldingen_, QStringList({"Einddatum moet na begindatum (09-03-2026) liggen."}));
    EXPECT_TRUE(Check(eigen, kMaandag + 49));
    EXPECT_FALSE(Check(eigen, kMaandag + 50));
    EXPECT_EQ(meldingen_, QStringList({"Periode kan niet groter zijn dan 49 dagen."}));
}

TEST_F(EindDatumTest, ASplitRoomIsCheckedOnTheRoomItContinuesOn)
{
    BouwRes res = Res(kMaandag, 4, {});
    BouwRegel oud;
    oud.kamer = 101;
    oud.eind = kMaandag + 2;
    oud.verplaatstNaar = 102;
    BouwRegel nieuw;
    nieuw.kamer = 102;
    nieuw.begin = kMaandag + 2;
    res.regels = {oud, nieuw};
    const JaarNr eigen = Boek(res);
    Boek(Res(kMaandag + 2, 7, {101}));
    Boek(Res(kMaandag + 6, 1, {102}));

    EXPECT_TRUE(Check(eigen, kMaandag + 6)) << meldingen_.join('\n').toStdString();
    EXPECT_FALSE(Check(eigen, kMaandag + 7));
    ASSERT_EQ(meldingen_.size(), 1);
    EXPECT_TRUE(meldingen_[0].startsWith("Kamer 102 is bezet door reservering 26/00003")) << meldingen_[0].toStdString();
    EXPECT_FALSE(Check(eigen, kMaandag + 2));
    EXPECT_EQ(meldingen_, QStringList({"Einddatum moet na begindatum (11-03-2026) liggen."}));
}

TEST_F(EindDatumTest, AnExtensionIntoTheNewYearMeetsThatYearsBookings)
{
    const TDateTime oudjaar = EncodeDate(2026, 12, 29);
    const JaarNr eigen = Boek(Res(oudjaar, 3, {101}));
    Boek(Res(EncodeDate(2027, 1, 3), 2, {101}));
    EXPECT_TRUE(Check(eigen, EncodeDate(2027, 1, 3)));
    EXPECT_FALSE(Check(eigen, EncodeDate(2027, 1, 4)));
    ASSERT_EQ(meldingen_.size(), 1);
    EXPECT_TRUE(meldingen_[0].contains("reservering 27/00001")) << meldingen_[0].toStdString();
}

TEST_F(EindDatumTest, OccupancyLooksBackFortyNineDaysForLongStays)
{
    const JaarNr lang = Boek(Res(EncodeDate(2026, 2, 1), 42, {101}));
    const JaarNr kort = Boek(Res(EncodeDate(2026, 2, 1), 10, {102}));

    const std::vector<stBezetting> bezet = ZoekKamerBezetting(101, EncodeDate(2026, 3, 10), EncodeDate(2026, 3, 12), {});
    ASSERT_EQ(bezet.size(), 1u);
    EXPECT_EQ(bezet[0].reservering, lang);
    EXPECT_EQ(bezet[0].begin, EncodeDate(2026, 2, 1));
    EXPECT_EQ(bezet[0].eind, EncodeDate(2026, 3, 15));

    EXPECT_TRUE(ZoekKamerBezetting(101, EncodeDate(2026, 3, 10), EncodeDate(2026, 3, 12), lang).empty());
    EXPECT_TRUE(ZoekKamerBezetting(102, EncodeDate(2026, 2, 11), EncodeDate(2026, 2, 12), {}).empty());
    EXPECT_EQ(ZoekKamerBezetting(102, EncodeDate(2026, 2, 10), EncodeDate(2026, 2, 11), {}).size(), 1u);
    (void)kort;
}
