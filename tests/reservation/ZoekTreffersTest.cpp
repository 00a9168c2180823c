// The search, the rows and the query texts, without widgets.

#include "reservation/GastNaamScan.h"
#include "reservation/ZoekRijen.h"
#include "reservation/ZoekTreffers.h"
#include "tests/reservation/ZoekTest.h"

using namespace zoek;

namespace {
std::vector<JaarNr> Nummers(const std::vector<ZoekTreffer>& treffers)
{
    std::vector<JaarNr> nrs;
    for (const ZoekTreffer& t : treffers)
        nrs.push_back(t.nr);
    return nrs;
}

ZoekVraag Vraag(std::set<int> statussen)
{
    ZoekVraag vraag;
    vraag.alle = false;
    vraag.statussen = std::move(statussen);
    return vraag;
}
}  // namespace

TEST_F(ZoekTest, OnADateBothEndsOfTheStayCountAlsoAcrossTheNewYear)
{
    const JaarNr eindigt = Boek(Dag(2026, 3, 5), Dag(2026, 3, 12), {101}, {"Eindigt"});
    const JaarNr begint = Boek(Dag(2026, 3, 12), Dag(2026, 3, 14), {102}, {"Begint"});
    Boek(Dag(2026, 3, 13), Dag(2026, 3, 14), {103}, {"DagErna"});
    const JaarNr oud = Boek(Dag(2025, 12, 28), Dag(2026, 1, 5), {104}, {"Jaarwisseling"});
    EXPECT_EQ(Nummers(ZoekOpDatum(Dag(2026, 3, 12))), (std::vector<JaarNr>{eindigt, begint}));
    EXPECT_EQ(Nummers(ZoekOpDatum(Dag(2026, 1, 3))), std::vector<JaarNr>{oud});
    EXPECT_TRUE(ZoekOpDatum(Dag(2026, 3, 4)).empty());
}

TEST_F(ZoekTest, ByNameOnlyTheFirstGuestLineCountsWhateverTheCase)
{
    const JaarNr jansen = Boek(Dag(2026, 3, 1), Dag(2026, 3, 2), {101}, {"Jansen", "Piet"});
    Boek(Dag(2026, 3, 1), Dag(2026, 3, 2), {102}, {"Pietersen", "Jansen"});
    const JaarNr ozturk = Boek(Dag(2025, 6, 1), Dag(2025, 6, 2), {103}, {"Öztürk-Jansen"});
    Boek(Dag(2026, 4, 1), Dag(2026, 4, 2), {104}, {});
    EXPECT_EQ(Nummers(ZoekOpNaam("JANS")), (std::vector<JaarNr>{ozturk, jansen}));
    EXPECT_EQ(Nummers(ZoekOpNaam("öztü")), std::vector<JaarNr>{ozturk});
    EXPECT_EQ(ZoekOpNaam("").size(), 3u) << "an empty name finds every reservation with guest data";
}

TEST_F(ZoekTest, ANameLongerThanOneTextRecordIsReadAlongItsChain)
{
    const QString lang = QString(150, u'x') + QStringLiteral("Vermeulen");
    const JaarNr res = Boek(Dag(2026, 3, 1), Dag(2026, 3, 2), {101}, {lang, "Anna"});
    EXPECT_EQ(Nummers(ZoekOpNaam("vermeulen")), std::vector<JaarNr>{res});
    EXPECT_TRUE(ZoekOpNaam("anna").empty());
}

TEST_F(ZoekTest, HitsSortOnNumberOrBeginDateEitherWay)
{
    std::vector<ZoekTreffer> treffers{{JaarNr(2026, 2), Dag(2026, 1, 5)},
                                      {JaarNr(2025, 9), Dag(2026, 1, 1)},
                                      {JaarNr(2026, 1), Dag(2026, 2, 1)}};
    Sorteer(treffers, SorteerKolom::ReserveringsNr, SorteerOrde::Oplopend);
    EXPECT_EQ(Nummers(treffers), (std::vector<JaarNr>{{2025, 9}, {2026, 1}, {2026, 2}}));
    Sorteer(treffers, SorteerKolom::BeginDatum, SorteerOrde::Aflopend);
    EXPECT_EQ(Nummers(treffers), (std::vector<JaarNr>{{2026, 1}, {2026, 2}, {2025, 9}}));
}

TEST_F(ZoekTest, RowsKeepOnlyTheChosenStatusesAndListEveryRoom)
{
    const JaarNr open = Boek(Dag(2026, 3, 1), Dag(2026, 3, 4), {112, 105}, {"Jansen", "Piet"});
    const JaarNr geannuleerd = Boek(Dag(2026, 3, 2), Dag(2026, 3, 4), {101}, {"Bakker"}, 99);
    const std::vector<ZoekTreffer> treffers = ZoekPerJaar(2026, false);

    const std::vector<ZoekRij> alle = LeesRijen(treffers, ZoekVraag{});
    ASSERT_EQ(alle.size(), 2u);
    EXPECT_EQ(alle[0].kamers, "112, 105");
    EXPECT_EQ(alle[0].naam, "Jansen");
    EXPECT_EQ(alle[0].voornaam, "Piet");
    EXPECT_EQ(alle[1].voornaam, "");
    EXPECT_EQ(alle[1].status, "Geannuleerd");

    EXPECT_EQ(LeesRijen(treffers, Vraag({0, 1, 2})).size(), 1u);
    EXPECT_EQ(LeesRijen(treffers, Vraag({99})).front().nr, geannuleerd);
    EXPECT_EQ(LeesRijen(treffers, Vraag({0})).front().nr, open);
    EXPECT_TRUE(LeesRijen(treffers, Vraag({})).empty()) << "Selectie with nothing checked";
}

TEST(ZoekVraag, YearClampAndPrintHeadings)
{
    EXPECT_EQ(KlemJaar(1975), 1980);
    EXPECT_EQ(KlemJaar(2099), 2080);
    ZoekVraag vraag;
    vraag.jaar = 2026;
    EXPECT_EQ(KopRegel(vraag, "Selectie"), "Overzicht per jaar: 2026  Weergave: Selectie");
    vraag.modus = ZoekModus::OpDatum;
    vraag.datum = EncodeDate(2026, 3, 7);
    EXPECT_EQ(KopRegel(vraag, "Alle reserveringen"), "Overzicht op datum: 07-03-2026  Weergave: Alle reserveringen");
    vraag.modus = ZoekModus::OpNaam;
    vraag.naam = "Jansen";
    EXPECT_EQ(KopRegel(vraag, "Selectie"), "Overzicht op naam: Jansen  Weergave: Selectie");
}
