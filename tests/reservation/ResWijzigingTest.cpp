// Saving, cancelling and leaving a group, as the details form does it, without widgets.

#include "host/brlib/VoorRegistratie.h"
#include "reservation/EindDatumWijziging.h"
#include "reservation/OpgeslagenRes.h"
#include "reservation/ResAnnulering.h"
#include "reservation/ResGegBewaren.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvDagPnt.h"
#include "store/WinRsvResHfd.h"
#include "store/WinRsvVoorReg.h"
#include "tests/reservation/ResSchrijfTest.h"

namespace {

const QString kTitel = QStringLiteral("Reserveringsgegevens");

class ResWijziging_ : public ResSchrijfTest {
protected:
    // The change the form saves when the user changed nothing.
    static ResWijziging Ongewijzigd(JaarNr sleutel)
    {
        const brlib::RsvReservering res = Lees(sleutel);
        return MaakWijziging(res, res, GegevensVan(res), {});
    }

    static int32_t VoorRegRecords()
    {
        RecordCache<WIN_rsv_voorreg> cache(Bestanden::VoorReg, brlib::tfPerJaar, true, true);
        return cache.RecordCount(2026);
    }

    // The reservations whose headers hang under the day pointer of `dag`.
    static std::vector<int32_t> KoppenOpDag(TDateTime dag)
    {
        RecordCache<WIN_rsv_res_hfd> hfd(Bestanden::ResHfd, brlib::tfPerJaar, true, true);
        RecordCache<WIN_rsv_dagnr_hfd_pnt> pnt(Bestanden::DagHfd, brlib::tfPerJaar, true, true);
        std::vector<int32_t> nummers;
        WIN_rsv_res_hfd rcd{};
        for (int32_t nr = hfd.EersteRecord(Jaar(dag), rcd, pnt, DagNr(dag), 0); nr != 0 && nummers.size() < 50;
             nr = hfd.NextRecord(Jaar(dag), 0, rcd))
            nummers.push_back(nr);
        return nummers;
    }
};

TEST_F(ResWijziging_, AnEndDateIsAcceptedUpToFortyNineNightsAndAfterTheBeginOfTheRoomsThatStayed)
{
    brlib::RsvReservering res = Lees(BoekJansen());
    EXPECT_EQ(WeigerEindDatum(res, kMaandag + 49), std::nullopt);
    const std::optional<QString> vijftig = WeigerEindDatum(res, kMaandag + 50);
    ASSERT_TRUE(vijftig);
    EXPECT_TRUE(vijftig->contains("Periode kan niet groter zijn dan 49 dagen.")) << vijftig->toStdString();
    EXPECT_EQ(WeigerEindDatum(res, kMaandag), "Einddatum moet na begindatum (02-03-2026) liggen!");

    // Room 101 moved on Wednesday to room 103: the stay now begins there for the end date...
    res.kamerRegels[0].eind = kMaandag + 2;
    res.kamerRegels[0].verplaatstNaar = 103;
    brlib::stRes vervolg = res.kamerRegels[0];
    vervolg.kamerNr = 103;
    vervolg.begin = kMaandag + 2;
    vervolg.eind = kMaandag + 3;
    vervolg.verplaatstNaar = 0;
    res.kamerRegels.push_back(vervolg);
    EXPECT_EQ(WeigerEindDatum(res, kMaandag + 2), "Einddatum moet na begindatum (04-03-2026) liggen!");
    EXPECT_EQ(WeigerEindDatum(res, kMaandag + 3), std::nullopt);
    // ...and the 49 nights still count from the reservation's own begin.
    EXPECT_TRUE(WeigerEindDatum(res, kMaandag + 50));
}

TEST_F(ResWijziging_, ANewEndDateRewritesTheLinesButAMovedLineKeepsItsEndAndAmounts)
{
    // Room 102 moved after one night to room 104.
    BouwRes bouw;
    bouw.begin = kMaandag;
    bouw.eind = kMaandag + 3;
    bouw.gast = {QStringLiteral("Jansen")};
    bouw.regels = {{101, 0, 0, 100, 300, "STD", 2, 0},
                   {102, 0, kMaandag + 1, 100, 100, "STD", 2, 104},
                   {104, kMaandag + 1, 0, 100, 200, "STD", 2, 0}};
    const JaarNr sleutel = Boek(bouw);
    ResWijziging w = Ongewijzigd(sleutel);
    for (brlib::stRes& regel : w.regels) {
        regel.eind = kMaandag + 5;
        regel.bedrag = 999;
    }
    w.regels[0].personen = 3;
    w.eind = kMaandag + 5;
    w.totaalBedrag = 1500;
    w.gegevens.gastRegels = QStringList{"de Vries", "Anna"};
    w.gegevens.vlaggen[1] = 2;
    EXPECT_EQ(BewaarResWijziging(w, kTitel), ActieUitkomst::Gedaan);

    const brlib::RsvReservering res = Lees(sleutel);
    EXPECT_EQ(res.eind, kMaandag + 5);
    EXPECT_EQ(res.totaalBedrag, 1500);
    EXPECT_EQ(res.wijzigTeller, w.wijzigTeller + 1);
    EXPECT_EQ(res.gastRegels, QStringList({"de Vries", "Anna"}));
    EXPECT_EQ(res.nationaliteit, 2);
    ASSERT_EQ(res.kamerRegels.size(), 3u);
    EXPECT_EQ(res.kamerRegels[0].eind, kMaandag + 5);
    EXPECT_EQ(res.kamerRegels[0].bedrag, 999);
    EXPECT_EQ(res.kamerRegels[0].personen, 3);
    EXPECT_EQ(res.kamerRegels[0].wijzigTeller, 2);
    EXPECT_EQ(res.kamerRegels[1].eind, kMaandag + 1);
    EXPECT_EQ(res.kamerRegels[1].bedrag, 100);
    EXPECT_EQ(res.kamerRegels[1].prijs, 100);
    EXPECT_EQ(res.kamerRegels[2].eind, kMaandag + 5);
}

TEST_F(ResWijziging_, ASaveAfterAChangeElsewhereWritesNothing)
{
    const JaarNr sleutel = BoekJansen();
    ResWijziging w = Ongewijzigd(sleutel);
    ResWijziging elders = Ongewijzigd(sleutel);
    elders.gegevens.gastRegels = QStringList{"Elders"};
    {
        brlib::WerkstationScope tweede(admin_.Second());
        ASSERT_EQ(BewaarResWijziging(elders, kTitel), ActieUitkomst::Gedaan);
    }
    w.gegevens.gastRegels = QStringList{"Hier"};
    w.eind = kMaandag + 4;
    EXPECT_EQ(BewaarResWijziging(w, kTitel), ActieUitkomst::Geweigerd);
    EXPECT_EQ(berichten_.Laatste().tekst,
              "Kan wijziging niet registreren omdat de reservering tussentijds (op een andere werkplek) is "
              "gewijzigd.\nDe gegevens worden nu opnieuw ingelezen. Probeer het daarna opnieuw.");
    const brlib::RsvReservering res = Lees(sleutel);
    EXPECT_EQ(res.gastRegels, QStringList{"Elders"});
    EXPECT_EQ(res.eind, kMaandag + 3);
    EXPECT_EQ(res.wijzigTeller, elders.wijzigTeller + 1);
}

TEST_F(ResWijziging_, PreRegistrationsAreRebuiltOnEverySaveWithoutLeavingRecordsBehind)
{
    const JaarNr sleutel = BoekJansen();
    ResWijziging w = Ongewijzigd(sleutel);
    w.voorRegs = {{0, 101, {"Bakker", "Jan"}, 7, 70}, {0, 102, {"Smit"}, 0, 0}};
    ASSERT_EQ(BewaarResWijziging(w, kTitel), ActieUitkomst::Gedaan);
    const int32_t records = VoorRegRecords();
    for (int keer = 0; keer < 3; ++keer) {
        w = Ongewijzigd(sleutel);
        w.voorRegs = {{0, 102, {"Smit", "Els"}, 0, 0}, {0, 101, {"Bakker"}, 8, 80}};
        ASSERT_EQ(BewaarResWijziging(w, kTitel), ActieUitkomst::Gedaan);
    }
    EXPECT_EQ(VoorRegRecords(), records);
    std::vector<brlib::stVoorReg> gelezen;
    brlib::RsvGetVoorRegistratie(sleutel, gelezen);
    ASSERT_EQ(gelezen.size(), 2u);
    EXPECT_EQ(gelezen[0].kamerNr, 102);
    EXPECT_EQ(gelezen[0].regels, QStringList({"Smit", "Els"}));
    EXPECT_EQ(gelezen[1].relatieNr, 8);
    EXPECT_EQ(gelezen[1].relatieSleutel, 80);
}

TEST_F(ResWijziging_, ACancelledReservationKeepsOnlyItsHeaderWithStatus99)
{
    const JaarNr ander = BoekJansen(3, 3, 111);
    const JaarNr sleutel = BoekJansen(4, 3);
    EXPECT_EQ(AnnuleerReservering(sleutel, Lees(sleutel).wijzigTeller, kTitel), ActieUitkomst::Gedaan);

    const brlib::RsvReservering res = Lees(sleutel);
    EXPECT_EQ(res.status, brlib::rsGeannuleerd);
    EXPECT_TRUE(res.kamerRegels.empty());
    EXPECT_TRUE(res.gastRegels.isEmpty() && res.extraRegels.isEmpty());
    EXPECT_EQ(res.groepNr, 0);
    EXPECT_EQ(KoppenOpDag(kMaandag), std::vector<int32_t>{ander.nr});
    EXPECT_EQ(Lees(ander).kamerRegels.size(), 2u);
    EXPECT_EQ(Lees(ander).gastRegels, QStringList({"Jansen", "Piet"}));
}

TEST_F(ResWijziging_, ACancellationAfterAChangeElsewhereWritesNothing)
{
    const JaarNr sleutel = BoekJansen();
    const int32_t gelezen = Lees(sleutel).wijzigTeller;
    ASSERT_EQ(BewaarResWijziging(Ongewijzigd(sleutel), kTitel), ActieUitkomst::Gedaan);
    EXPECT_EQ(AnnuleerReservering(sleutel, gelezen, kTitel), ActieUitkomst::Geweigerd);
    EXPECT_EQ(berichten_.Laatste().tekst,
              "Kan de reservering niet annuleren omdat deze tussentijds (op een andere werkplek) gewijzigd is.\n"
              "Dit venster wordt nu afgesloten. Probeer het daarna opnieuw.");
    EXPECT_EQ(Lees(sleutel).status, brlib::rsOpenstaand);
    EXPECT_EQ(Lees(sleutel).kamerRegels.size(), 2u);
}

TEST_F(ResWijziging_, LeavingAGroupFreesOnlyItsOwnMember)
{
    const JaarNr eerste = BoekJansen(3, 1);
    const JaarNr tweede = BoekJansen(3, 1, 111);
    EXPECT_EQ(VerwijderUitGroep(tweede, kTitel), ActieUitkomst::Gedaan);
    EXPECT_EQ(Lees(tweede).groepNr, 0);
    EXPECT_EQ(Lees(eerste).groepNr, 1);
}

}  // namespace
