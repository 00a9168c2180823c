// Every write path leaves exactly one audit record, with what it changed
// before and after, and a refused action leaves none.

#include "board/GroepToekenning.h"
#include "board/PeriodeWijziging.h"
#include "board/Verplaatsing.h"
#include "host/brlib/Inlezen.h"
#include "host/brlib/ReserveringCursor.h"
#include "masterdata/KamerOpslag.h"
#include "masterdata/PeriodeOpslag.h"
#include "reservation/ResAnnulering.h"
#include "reservation/ResGegBewaren.h"
#include "tests/logboek/LogboekTest.h"

namespace {

brlib::RsvReservering Lees(const JaarNr& sleutel)
{
    brlib::RsvReserveringCursorRandom cursor;
    return cursor.At(sleutel);
}

ResWijziging MetGast(const JaarNr& sleutel, const QStringList& gast)
{
    const brlib::RsvReservering res = Lees(sleutel);
    ResGegevens gegevens;
    gegevens.gastRegels = gast;
    return MaakWijziging(res, res, gegevens, {});
}

class Schrijfpaden : public LogboekTest {
protected:
    void SetUp() override
    {
        LogboekTest::SetUp();
        basis_ = Logboek().size();  // the master data of the set-up
    }

    // The one record the last action added, after checking that it is the only
    // one since the `eerder` records of the test.
    logboek::LogRegel Nieuw(size_t eerder, const char* actie)
    {
        const std::vector<logboek::LogRegel> regels = Logboek();
        EXPECT_EQ(regels.size(), basis_ + eerder + 1) << actie;
        if (regels.size() != basis_ + eerder + 1)
            return {};
        EXPECT_EQ(regels.back().actie, QString::fromUtf8(actie));
        EXPECT_EQ(regels.back().werkplek, logboek::WerkplekNaam());
        EXPECT_EQ(int(regels.back().tijd), int(vandaag_));
        return regels.back();
    }

    using Paar = std::pair<QString, QString>;
    size_t basis_ = 0;
};

TEST_F(Schrijfpaden, EveryReservationChangeLeavesOneRecordWithItsBeforeAndAfter)
{
    const JaarNr res = Boek(101, vandaag_, 3);
    logboek::LogRegel r = Nieuw(0, "Boeking");
    EXPECT_EQ(r.reservering, res);
    EXPECT_EQ(Waarden(r)["periode"], Paar("", "10-03-2026 - 13-03-2026"));
    EXPECT_EQ(Waarden(r)["gastgegevens"], Paar("", "Jansen / Dorpsstraat 1"));
    EXPECT_EQ(Waarden(r)["kamer 101"], Paar("", "10-03-2026 - 13-03-2026, 2 pers."));

    ASSERT_EQ(BewaarResWijziging(MetGast(res, {"de Vries", "Dorpsstraat 1"}), kTitel), ActieUitkomst::Gedaan);
    r = Nieuw(1, "Gegevens wijzigen");
    EXPECT_EQ(r.wijzigingen, (std::vector<logboek::Wijziging>{
                                 {"gastgegevens", "Jansen / Dorpsstraat 1", "de Vries / Dorpsstraat 1"}}));

    bord::Verplaatsing v{res, Lees(res).kamerRegels[0].regelNr, vandaag_, vandaag_ + 3, 101, 102, 0, false, 0};
    ASSERT_EQ(bord::RegistreerVerplaatsing(v, kTitel), bord::Afloop::Opgeslagen);
    r = Nieuw(2, "Kamer verplaatsen");
    EXPECT_EQ(Waarden(r)["kamer 101"], Paar("10-03-2026 - 13-03-2026, 2 pers.", ""));
    EXPECT_EQ(Waarden(r)["kamer 102"], Paar("", "10-03-2026 - 13-03-2026, 2 pers."));

    ASSERT_EQ(bord::RegistreerPeriodeWijziging({res, vandaag_ + 1, vandaag_ + 4, false, 0}, kTitel),
              bord::Afloop::Opgeslagen);
    r = Nieuw(3, "Periode wijzigen");
    EXPECT_EQ(Waarden(r)["periode"], Paar("10-03-2026 - 13-03-2026", "11-03-2026 - 14-03-2026"));

    const JaarNr ander = Boek(103, vandaag_, 2, "Bakker");
    ASSERT_EQ(bord::RegistreerGroep({res, ander, 0, 0}, kTitel), bord::Afloop::Opgeslagen);
    r = Nieuw(5, "Groep toekennen");
    EXPECT_EQ(r.reservering, res);
    EXPECT_EQ(Waarden(r)[res.String(2, 5) + " groep"], Paar("", "1"));
    EXPECT_EQ(Waarden(r)[ander.String(2, 5) + " groep"], Paar("", "1"));

    ASSERT_EQ(VerwijderUitGroep(res, kTitel), ActieUitkomst::Gedaan);
    EXPECT_EQ(Waarden(Nieuw(6, "Uit groep"))["groep"], Paar("1", ""));

    ASSERT_EQ(AnnuleerReservering(res, Lees(res).wijzigTeller, kTitel), ActieUitkomst::Gedaan);
    EXPECT_EQ(Waarden(Nieuw(7, "Annuleren"))["status"], Paar("Openstaand", "Geannuleerd"));
}

TEST_F(Schrijfpaden, CheckInAndCheckOutLeaveOneRecordEachAndARefusalNone)
{
    const JaarNr res = Boek(101, vandaag_, 3);
    incheck::InCheckLijst lijst = Lijst(res);
    CheckIn(lijst, "Jansen");
    logboek::LogRegel r = Nieuw(1, "Inchecken");
    EXPECT_TRUE(Waarden(r)["kamer 101"].second.contains("ingecheckt 10-03-2026"));
    EXPECT_EQ(Waarden(r)["kamer 101 gasten"].second, QStringLiteral("Jansen, Piet"));

    lijst.NaInChecken(1);
    EXPECT_EQ(Waarden(Nieuw(2, "Status"))["status"], Paar("Openstaand", "Ingechecked"));

    lijst.KamerUitchecken(0);
    r = Nieuw(3, "Uitchecken");
    EXPECT_TRUE(Waarden(r)["kamer 101"].second.contains("uitgecheckt 10-03-2026"));
    EXPECT_EQ(Waarden(r)["status"], Paar("Ingechecked", "Uitgechecked"));
    EXPECT_EQ(Waarden(r)["kamer 101 schoonmaak"], Paar("schoon", "vuil"));

    // Changed on another workstation meanwhile: refused, nothing written, no record.
    ResWijziging oud = MetGast(res, {"Oud"});
    ASSERT_EQ(BewaarResWijziging(MetGast(res, {"Elders"}), kTitel), ActieUitkomst::Gedaan);
    ASSERT_EQ(BewaarResWijziging(oud, kTitel), ActieUitkomst::Geweigerd);
    EXPECT_EQ(Logboek().size(), basis_ + 5);
}

TEST_F(Schrijfpaden, MasterDataChangesLeaveOneRecordWithTheirKey)
{
    const size_t eerder = 0;
    std::vector<brlib::stKamer> kamers;
    brlib::InlezenKamers(kamers);
    brlib::stKamer kamer = kamers.at(0);
    kamer.omschr = QStringLiteral("Suite");
    ASSERT_TRUE(SchrijfKamer(kamer));
    logboek::LogRegel r = Nieuw(eerder, "Stam wijzigen");
    EXPECT_EQ(r.stamSleutel, "kamer 101");
    EXPECT_EQ(r.wijzigingen, (std::vector<logboek::Wijziging>{{"omschrijving", "Kamer 101", "Suite"}}));

    ASSERT_TRUE(VerwijderKamer(kamer));
    r = Nieuw(eerder + 1, "Stam verwijderen");
    EXPECT_EQ(r.stamSleutel, "kamer 101");
    EXPECT_EQ(Waarden(r)["kamernr"], Paar("101", ""));

    std::vector<brlib::stPeriode> periodes;
    LeesPeriodes(2026, periodes);
    brlib::stPeriode hoog;
    hoog.omschr = QStringLiteral("Hoogseizoen");
    hoog.begin = EncodeDate(2026, 7, 1);
    periodes.push_back(hoog);
    ASSERT_TRUE(SlaPeriodesOp(2026, periodes));
    r = Nieuw(eerder + 2, "Periodes");
    EXPECT_EQ(r.stamSleutel, "periodes 2026");
    EXPECT_EQ(Waarden(r)["periode Hoogseizoen"], Paar("", "01-07-2026 - 31-12-2026"));
}

}  // namespace
