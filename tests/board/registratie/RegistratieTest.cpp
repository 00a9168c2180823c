// Storing the board's new lines: what lands in headers, lines, day chains,
// texts and groups, and which periods the check on disk lets through.

#include "tests/board/registratie/RegistratieTest.h"

#include "host/records/TekstLijst.h"
#include "host/records/UpdateCount.h"

TEST_F(RegistratieTest, MondayToThursdayIsOneReservationOfThreeNightsUnderMondaysDayChains)
{
    brlib::stRes regel = Regel(101, maandag_, maandag_ + 3, 195.004);
    regel.tariefCode = QStringLiteral("Arrangement met ontbijt en diner");
    regel.tariefTekst2 = QStringLiteral("Standaard");
    ResGegevens gegevens = Gast("Jansen");
    gegevens.extraRegels = {QStringLiteral("Late aankomst")};
    gegevens.vlaggen = {1, 2, 1};
    gegevens.extra = {1, 0, 1, 0, 0, 0, 0, 0, 0, 7};
    gegevens.relatieNr = 4711;

    const bord::RegistratieResultaat r = Boek({regel}, false, gegevens);

    ASSERT_TRUE(r.gedaan && r.opgeslagen);
    EXPECT_TRUE(berichten_.Gezien().empty());
    ASSERT_EQ(r.reserveringen, std::vector<JaarNr>{JaarNr(2026, 1)});
    EXPECT_EQ(r.groepNr, 0);
    EXPECT_EQ(r.updateCount, brlib::RsvGetUpdateCount());

    const WIN_rsv_res_hfd kop = Kop(JaarNr(2026, 1));
    EXPECT_EQ(+kop.status, 0);
    EXPECT_EQ(DateOf(kop.RegDatum()), EncodeDate(2026, 2, 20));
    EXPECT_EQ(+kop.BeginDatum(), maandag_);
    EXPECT_EQ(+kop.EindDatum(), maandag_ + 3);
    EXPECT_EQ(+kop.dagNr, DagNr(maandag_));
    EXPECT_EQ(+kop.aantalRegels, 1);
    EXPECT_EQ(+kop.totaalBedrag, 195.0);
    EXPECT_EQ(+kop.wijzigTeller, 1);
    EXPECT_EQ(+kop.soort, 1);
    EXPECT_EQ(+kop.nationaliteit, 2);
    EXPECT_EQ(+kop.zakelijk, 1);
    EXPECT_EQ(+kop.extra[2], 1);
    EXPECT_EQ(+kop.extra[9], 7);
    EXPECT_EQ(+kop.relatieNr, 4711);
    EXPECT_EQ(+kop.groepNr, 0);
    EXPECT_EQ(brlib::LeesTekstLijstFile(Bestanden::ResGegTekst, JaarNr(2026, kop.resGegTekst)), gegevens.gastRegels);
    EXPECT_EQ(brlib::LeesTekstLijstFile(Bestanden::ResExtTekst, JaarNr(2026, kop.resExtTekst)),
              gegevens.extraRegels);
    EXPECT_EQ(+kop.relLabelsTekst, 0);

    const std::vector<WIN_rsv_res_rgl> regels = RegelsVan(JaarNr(2026, 1));
    ASSERT_EQ(regels.size(), 1u);
    EXPECT_EQ(+regels[0].kamerNr, 101);
    EXPECT_EQ(+regels[0].EindDatum() - regels[0].BeginDatum(), 3);
    EXPECT_EQ(+regels[0].soort, 1);
    EXPECT_EQ(+regels[0].personen, 2);
    EXPECT_STREQ(regels[0].tariefCode, "Arrangement met ontb");
    EXPECT_STREQ(regels[0].tariefTekst2, "Standaard");

    EXPECT_EQ((Dagketting<WIN_rsv_res_hfd, WIN_rsv_dagnr_hfd_pnt>(Bestanden::ResHfd, Bestanden::DagHfd, 0, maandag_)),
              std::vector<int32_t>{1});
    EXPECT_EQ((Dagketting<WIN_rsv_res_rgl, WIN_rsv_dagnr_rgl_pnt>(Bestanden::ResRgl, Bestanden::DagRgl, 1, maandag_)),
              std::vector<int32_t>{2});
    EXPECT_TRUE((Dagketting<WIN_rsv_res_rgl, WIN_rsv_dagnr_rgl_pnt>(Bestanden::ResRgl, Bestanden::DagRgl, 1,
                                                                    maandag_ + 1)
                     .empty()));
}

TEST_F(RegistratieTest, ARelationCardKeepsItsLabelsAndValuesInsteadOfGuestLines)
{
    ResGegevens gegevens;
    gegevens.relatieLabels = {QStringLiteral("Naam"), QStringLiteral("Plaats")};
    gegevens.relatieWaarden = {QStringLiteral("Hotelreizen BV"), QStringLiteral("Zwolle")};
    gegevens.gastRegels = {QStringLiteral("niet bewaren")};
    const bord::RegistratieResultaat r = Boek({Regel(101, maandag_, maandag_ + 1)}, false, gegevens);
    ASSERT_TRUE(r.opgeslagen);
    const WIN_rsv_res_hfd kop = Kop(r.reserveringen[0]);
    EXPECT_EQ(+kop.resGegTekst, 0);
    EXPECT_EQ(brlib::LeesTekstLijstFile(Bestanden::ResRelTekst, JaarNr(2026, kop.relLabelsTekst)),
              gegevens.relatieLabels);
    EXPECT_EQ(brlib::LeesTekstLijstFile(Bestanden::ResRelTekst, JaarNr(2026, kop.relWaardenTekst)),
              gegevens.relatieWaarden);
}

TEST_F(RegistratieTest, ThreeRoomsAsAGroupGetConsecutiveNumbersInOneNewGroup)
{
    ASSERT_TRUE(Boek({Regel(101, maandag_ - 7, maandag_ - 5)}, true).opgeslagen);  // a single room: no group
    const bord::RegistratieResultaat r =
        Boek({Regel(101, maandag_, maandag_ + 2, 100), Regel(102, maandag_, maandag_ + 2, 120.5),
              Regel(103, maandag_, maandag_ + 2, 80)},
             true);

    ASSERT_TRUE(r.opgeslagen);
    ASSERT_EQ(r.reserveringen, (std::vector<JaarNr>{JaarNr(2026, 2), JaarNr(2026, 3), JaarNr(2026, 4)}));
    EXPECT_EQ(r.groepNr, 1);
    const double bedragen[] = {100, 120.5, 80};
    for (size_t i = 0; i < 3; ++i) {
        const WIN_rsv_res_hfd kop = Kop(r.reserveringen[i]);
        EXPECT_EQ(+kop.groepNr, 1);
        EXPECT_EQ(+kop.aantalRegels, 3);  // the registration's line count, also with one line each
        EXPECT_EQ(+kop.totaalBedrag, bedragen[i]);
        ASSERT_EQ(RegelsVan(r.reserveringen[i]).size(), 1u);
        EXPECT_EQ(+RegelsVan(r.reserveringen[i])[0].kamerNr, 101 + int(i));
    }
    EXPECT_EQ(+Kop(JaarNr(2026, 1)).groepNr, 0);

    RecordCache<WIN_rsv_groep_sub> sub(Bestanden::GroepSub, brlib::tfEenBestand, true, true);
    RecordCache<WIN_rsv_groep_hfd> groep(Bestanden::GroepHfd, brlib::tfEenBestand, true, true);
    EXPECT_EQ(groep.RecordCount(), 1);
    std::vector<int32_t> leden;
    WIN_rsv_groep_sub lid{};
    for (int32_t nr = sub.EersteRecord(lid, groep, 1, 0); nr != 0 && leden.size() < 10; nr = sub.NextRecord(0, lid)) {
        EXPECT_EQ(+lid.groepNr, 1);
        EXPECT_EQ(+lid.jaar, 2026);
        leden.push_back(int32_t{lid.resNr});  // a copy: the field is packed
    }
    EXPECT_EQ(leden, (std::vector<int32_t>{2, 3, 4}));
}

TEST_F(RegistratieTest, TwoRoomsWithoutTheGroupOptionAreOneReservationWithTwoLines)
{
    const bord::RegistratieResultaat r =
        Boek({Regel(201, maandag_, maandag_ + 4, 300.333), Regel(202, maandag_, maandag_ + 4, 200.333)});
    ASSERT_TRUE(r.opgeslagen);
    ASSERT_EQ(r.reserveringen.size(), 1u);
    EXPECT_EQ(r.groepNr, 0);
    const WIN_rsv_res_hfd kop = Kop(r.reserveringen[0]);
    EXPECT_EQ(+kop.aantalRegels, 2);
    EXPECT_EQ(+kop.totaalBedrag, 500.67);
    const std::vector<WIN_rsv_res_rgl> regels = RegelsVan(r.reserveringen[0]);
    ASSERT_EQ(regels.size(), 2u);
    EXPECT_EQ(+regels[0].kamerNr, 201);
    EXPECT_EQ(+regels[1].kamerNr, 202);
    EXPECT_EQ((Dagketting<WIN_rsv_res_rgl, WIN_rsv_dagnr_rgl_pnt>(Bestanden::ResRgl, Bestanden::DagRgl, 1, maandag_))
                  .size(),
              2u);
    RecordCache<WIN_rsv_groep_hfd> groep(Bestanden::GroepHfd, brlib::tfEenBestand, true, true);
    EXPECT_EQ(groep.RecordCount(), 0);
}

// The check on disk: half-open periods, and a look-back far enough for the
// longest stay, also into the previous year's files.
TEST_F(RegistratieTest, TheDiskCheckLetsThroughWhatIsFreeAndStopsEveryOverlap)
{
    const TDateTime nieuwjaar = EncodeDate(2026, 1, 1);
    ASSERT_TRUE(Boek({Regel(301, nieuwjaar - 10, nieuwjaar + 39)}).opgeslagen);  // 49 nights from 2025
    ASSERT_TRUE(Boek({Regel(302, maandag_, maandag_ + 49)}).opgeslagen);         // 49 nights
    ASSERT_TRUE(Boek({Regel(302, maandag_ + 49, maandag_ + 50)}).opgeslagen);    // arrives on the departure day
    ASSERT_TRUE(Boek({Regel(302, maandag_ - 3, maandag_)}).opgeslagen);          // leaves on the arrival day
    ASSERT_TRUE(Boek({Regel(301, nieuwjaar + 39, nieuwjaar + 40)}).opgeslagen);
    EXPECT_TRUE(berichten_.Gezien().empty());

    const std::vector<brlib::stRes> bezet[] = {
        {Regel(301, nieuwjaar + 38, nieuwjaar + 39)},             // last night of a stay begun 48 days before
        {Regel(302, maandag_ + 48, maandag_ + 52)},               // last night of the 49
        {Regel(303, maandag_, maandag_ + 1), Regel(302, maandag_ + 10, maandag_ + 11)},  // one of two rooms
        {Regel(303, maandag_ + 30, maandag_ + 31), Regel(301, nieuwjaar + 38, nieuwjaar + 39)},  // the earlier one
        {Regel(302, maandag_ - 5, maandag_ + 60)},                // around everything
    };
    for (const std::vector<brlib::stRes>& regels : bezet) {
        const int32_t voor = AantalKoppen(2026);
        const bord::RegistratieResultaat r = Boek(regels);
        EXPECT_TRUE(r.gedaan);
        EXPECT_FALSE(r.opgeslagen);
        EXPECT_EQ(AantalKoppen(2026), voor);
    }
    EXPECT_EQ(berichten_.Gezien().size(), std::size(bezet));
}
