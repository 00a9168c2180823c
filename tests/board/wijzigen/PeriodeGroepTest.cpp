// Shifting the period of a whole reservation, and putting a reservation in
// another reservation's group.

#include "tests/board/wijzigen/WijzigTest.h"

#include "store/WinRsvGroepSub.h"

using bord::Afloop;

TEST_F(WijzigTest, AShiftWithinTheYearMovesTheHeaderAndEveryLineToTheNewBeginDay)
{
    const bord::RegistratieResultaat r = Boek({Regel(101, maandag_, maandag_ + 3), Regel(102, maandag_, maandag_ + 3)});
    ASSERT_TRUE(r.opgeslagen);
    const JaarNr res = r.reserveringen[0];
    const JaarNr ander = BoekKamer(103, maandag_, maandag_ + 1);
    BoekKamer(101, maandag_ + 12, maandag_ + 14);  // arrives on the new departure day

    ASSERT_EQ(bord::RegistreerPeriodeWijziging(Periode(res, maandag_ + 9, maandag_ + 12), kTitel),
              Afloop::Opgeslagen);

    const WIN_rsv_res_hfd kop = Kop(res);
    EXPECT_EQ(+kop.BeginDatum(), maandag_ + 9);
    EXPECT_EQ(+kop.EindDatum(), maandag_ + 12);
    EXPECT_EQ(+kop.dagNr, DagNr(maandag_ + 9));
    EXPECT_EQ(+kop.wijzigTeller, 2);
    for (const WIN_rsv_res_rgl& regel : RegelsVan(res)) {
        EXPECT_EQ(+regel.BeginDatum(), maandag_ + 9);
        EXPECT_EQ(+regel.EindDatum(), maandag_ + 12);
        EXPECT_EQ(+regel.wijzigTeller, 1);
    }
    EXPECT_EQ(KoppenOpDag(maandag_), std::vector<int32_t>{ander.nr});
    EXPECT_EQ(KoppenOpDag(maandag_ + 9), std::vector<int32_t>{res.nr});
    EXPECT_EQ(LijnenOpDag(maandag_ + 9), (std::vector<int32_t>{RegelNr(res, 0), RegelNr(res, 1)}));
    EXPECT_EQ(LijnenOpDag(maandag_).size(), 1u);
}

TEST_F(WijzigTest, AShiftIsRefusedAcrossTheYearEndOntoATakenRoomAndAfterAPartialMove)
{
    const TDateTime oudjaar = EncodeDate(2026, 12, 30);
    const JaarNr december = BoekKamer(101, oudjaar, oudjaar + 2);
    EXPECT_EQ(bord::RegistreerPeriodeWijziging(Periode(december, oudjaar + 3, oudjaar + 5), kTitel),
              Afloop::Gedaan);
    EXPECT_EQ(+Kop(december).BeginDatum(), oudjaar);

    const JaarNr res = BoekKamer(101, maandag_, maandag_ + 3);
    BoekAlsTweede({Regel(101, maandag_ + 8, maandag_ + 9)});
    EXPECT_EQ(bord::RegistreerPeriodeWijziging(Periode(res, maandag_ + 7, maandag_ + 10), kTitel),
              Afloop::Gedaan);
    EXPECT_TRUE(berichten_.Laatste().tekst.startsWith(
        QStringLiteral("Kan de wijziging niet registreren omdat door tussentijdse wijzigingen (op andere werkplekken) "
                       "een of meerdere kamers niet meer vrij zijn voor de opgegeven periode.\n")));

    ASSERT_EQ(bord::RegistreerVerplaatsing(Verplaatsing(res, 102, maandag_ + 1), kTitel), Afloop::Opgeslagen);
    EXPECT_EQ(bord::RegistreerPeriodeWijziging(Periode(res, maandag_ + 14, maandag_ + 17), kTitel),
              Afloop::Gedaan);
    EXPECT_EQ(berichten_.Laatste().tekst, bord::GesplitstTekst());
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Verplaatsten"));
    EXPECT_EQ(+Kop(res).BeginDatum(), maandag_);
    EXPECT_EQ(berichten_.Gezien().size(), 3u);
}

class GroepTest : public WijzigTest {
protected:
    // Reservations in groups 1 .. n, two to a group; returns the first of each.
    std::vector<JaarNr> MaakGroepen(int n)
    {
        std::vector<JaarNr> eersten;
        for (int g = 0; g < n; ++g) {
            const TDateTime dag = maandag_ + 3 * g;
            const bord::RegistratieResultaat r = Boek({Regel(101, dag, dag + 1), Regel(102, dag, dag + 1)}, true);
            EXPECT_EQ(r.groepNr, g + 1);
            eersten.push_back(r.reserveringen.at(0));
        }
        return eersten;
    }

    static std::vector<JaarNr> Leden(int32_t groep)
    {
        RecordCache<WIN_rsv_groep_sub> sub(Bestanden::GroepSub, brlib::tfEenBestand, true, true);
        RecordCache<WIN_rsv_groep_hfd> hfd(Bestanden::GroepHfd, brlib::tfEenBestand, true, true);
        std::vector<JaarNr> leden;
        WIN_rsv_groep_sub lid{};
        for (int32_t nr = sub.EersteRecord(lid, hfd, groep, 0); nr != 0 && leden.size() < 20;
             nr = sub.NextRecord(0, lid))
            leden.emplace_back(int32_t{lid.jaar}, int32_t{lid.resNr});
        return leden;
    }

    static bord::GroepToekenning Toekenning(const JaarNr& a, const JaarNr& b)
    {
        return {a, b, Kop(a).groepNr, Kop(b).groepNr};
    }
};

TEST_F(GroepTest, AReservationInGroup3JoinsGroup5AndLeavesGroup3)
{
    const std::vector<JaarNr> eersten = MaakGroepen(5);
    const JaarNr a = eersten[2];
    const JaarNr b = eersten[4];
    const int32_t tellerB = Kop(b).wijzigTeller;
    const bord::GroepToekenning t = Toekenning(a, b);
    EXPECT_EQ(bord::GroepVraag(t), QStringLiteral("Reservering ") + a.String(2, 5) +
                                       QStringLiteral(" wordt nu verwijderd uit groep 3 en toegekend aan groep 5.\n"
                                                      "Wilt u doorgaan?"));

    ASSERT_EQ(bord::RegistreerGroep(t, kTitel), Afloop::Opgeslagen);

    EXPECT_EQ(+Kop(a).groepNr, 5);
    EXPECT_EQ(+Kop(b).groepNr, 5);
    EXPECT_EQ(+Kop(b).wijzigTeller, tellerB);
    EXPECT_EQ(Leden(3), std::vector<JaarNr>{JaarNr(a.jaar, a.nr + 1)});
    EXPECT_EQ(Leden(5), (std::vector<JaarNr>{b, JaarNr(b.jaar, b.nr + 1), a}));
}

TEST_F(GroepTest, TwoReservationsWithoutAGroupGetANewOneAndAReservationCannotJoinItsOwn)
{
    MaakGroepen(2);
    const JaarNr a = BoekKamer(103, maandag_, maandag_ + 2);
    const JaarNr b = BoekKamer(104, maandag_, maandag_ + 2);
    const bord::GroepToekenning t = Toekenning(a, b);
    EXPECT_EQ(bord::GroepVraag(t),
              QStringLiteral("U heeft een reservering geselecteerd die niet aan een groep is toegekend.\n"
                             "Er wordt dan een nieuwe groep aangemaakt waaraan beide reserveringen worden toegekend.\n"
                             "Wilt u doorgaan?"));

    ASSERT_EQ(bord::RegistreerGroep(t, kTitel), Afloop::Opgeslagen);
    EXPECT_EQ(+Kop(a).groepNr, 3);
    EXPECT_EQ(+Kop(b).groepNr, 3);
    EXPECT_EQ(Leden(3), (std::vector<JaarNr>{a, b}));
    EXPECT_TRUE(berichten_.Gezien().empty());

    EXPECT_EQ(bord::RegistreerGroep(Toekenning(a, b), kTitel), Afloop::Gedaan);
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().kind, MsgKind::Warning);
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("De reservering zit al in de geselecteerde groep!"));
    EXPECT_EQ(berichten_.Laatste().titel, bord::kGroepTitel);
    EXPECT_EQ(Leden(3).size(), 2u);
}

TEST_F(GroepTest, AGroupChangedElsewhereSinceTheQuestionIsNotOverwritten)
{
    const std::vector<JaarNr> eersten = MaakGroepen(2);
    const JaarNr a = BoekKamer(103, maandag_, maandag_ + 2);
    const bord::GroepToekenning t = Toekenning(a, eersten[0]);
    {
        brlib::WerkstationScope scope(tweede_);
        ASSERT_EQ(bord::RegistreerGroep(Toekenning(a, eersten[1]), kTitel), Afloop::Opgeslagen);
    }
    EXPECT_EQ(bord::GroepVraag(t), QStringLiteral("Reservering ") + a.String(2, 5) +
                                       QStringLiteral(" wordt nu toegekend aan groep 1.\nWilt u doorgaan?"));

    EXPECT_EQ(bord::RegistreerGroep(t, kTitel), Afloop::Gedaan);
    EXPECT_EQ(+Kop(a).groepNr, 2);
    EXPECT_EQ(berichten_.Laatste().tekst,
              QStringLiteral("Kan niet registreren, de gegevens zijn tussentijds (op een andere werkplek) gewijzigd. "
                             "Probeer het opnieuw."));
    EXPECT_EQ(berichten_.Laatste().titel, kTitel);
}
