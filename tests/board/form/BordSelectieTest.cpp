// Pointing at bars, selecting by number and opening a reservation's check-in.

#include <QSpinBox>
#include <QTimer>

#include "frame/DialogFuncties.h"
#include "host/base/TColor.h"
#include "tests/board/form/BordFormTest.h"

namespace {

class BordSelectieTest : public BordFormTest {
protected:
    void SetUp() override { MaakKamers(3); }

    // The details and check-in as the frame would open them, recorded; the details answer `resultaat`.
    struct Vensters : bord::BordVensters {
        int ReserveringsGegevens(QWidget*, JaarNr reservering, bool standAlone) const override
        {
            gegevens.push_back(reservering);
            EXPECT_TRUE(standAlone);
            return resultaat;
        }
        void InUitChecken(JaarNr reservering, TDateTime, QWidget*, JaarNr inCheck) const override
        {
            inChecks.push_back(reservering);
            EXPECT_TRUE(inCheck.IsLeeg());
        }
        bool ZoekReservering(QWidget*, JaarNr&) const override { return false; }
        void Rapportage(QWidget* owner) const override { rapportages.push_back(owner); }
        void Instellingen(QWidget*) const override {}
        int resultaat = bord::drGesloten;
        mutable std::vector<JaarNr> gegevens;
        mutable std::vector<JaarNr> inChecks;
        mutable std::vector<QWidget*> rapportages;
    };

    QColor Achtergrond(const char* label) const { return Deel(label)->palette().color(QPalette::Window); }
    QColor Knopkleur(const char* label) const { return Deel(label)->palette().color(QPalette::Button); }
};

TEST_F(BordSelectieTest, PointingAtABarSelectsItsReservationAndGroupUntilAClickBesideTheBars)
{
    // Tuesday 10 March to Friday 13 March on room 101: column 4 (arrival) to 7 (departure).
    const JaarNr groepRes = Boek(EncodeDate(2026, 3, 10), 3, 101, "Jansen", 7);
    Boek(EncodeDate(2026, 3, 12), 2, 102, "Pietersen", 7);
    const JaarNr los = Boek(EncodeDate(2026, 3, 13), 1, 101, "De Vries");
    TfrmRsvOvRes& bord = Open();
    QWidget* grid = Deel("dgGrid");

    Wijs(Midden(5, 1));
    EXPECT_EQ(bord.Toestand().geselecteerd, groepRes);
    EXPECT_EQ(Tekst("flblResBoekNr"), QStringLiteral("26/00001"));
    EXPECT_EQ(Achtergrond("flblResBoekNr"), QKleur(0xFFDDDD));
    EXPECT_EQ(Tekst("flblGroepNr"), QStringLiteral("7"));
    EXPECT_EQ(Achtergrond("flblGroepNr"), QKleur(0xFFDDDD));
    EXPECT_EQ(grid->cursor().shape(), Qt::PointingHandCursor);

    // Friday 13 March (column 7) is a changeover: its left half departs, its right half arrives.
    const QRect wissel = bord.Geometrie().CelRect(7, 1);
    Wijs(QPoint(wissel.left() + 2, wissel.center().y()));
    EXPECT_EQ(bord.Toestand().geselecteerd, groepRes);
    Wijs(QPoint(wissel.right() - 2, wissel.center().y()));
    EXPECT_EQ(bord.Toestand().geselecteerd, los);
    EXPECT_EQ(Tekst("flblResBoekNr"), QStringLiteral("26/00003"));
    EXPECT_EQ(Tekst("flblGroepNr"), QString());
    EXPECT_EQ(Achtergrond("flblGroepNr"), Knopkleur("flblGroepNr"));

    // Leaving the bars keeps the selection; only a click beside them drops it.
    Wijs(Midden(12, 3));
    EXPECT_EQ(bord.Toestand().geselecteerd, los);
    EXPECT_EQ(grid->cursor().shape(), Qt::ArrowCursor);
    KlikOp(Midden(12, 3));
    EXPECT_TRUE(bord.Toestand().geselecteerd.IsLeeg());
    EXPECT_EQ(Tekst("flblResBoekNr"), QString());
    EXPECT_EQ(Achtergrond("flblResBoekNr"), Knopkleur("flblResBoekNr"));

    // A click on a bar selects it, also without a move before it.
    KlikOp(Midden(5, 1));
    EXPECT_EQ(bord.Toestand().geselecteerd, groepRes);
    EXPECT_EQ(Getoond(), 0);
}

TEST_F(BordSelectieTest, AClickOnABarOpensItsDetailsAndGoesOnToCheckInWhenTheyAskForIt)
{
    const JaarNr jansen = Boek(EncodeDate(2026, 3, 10), 3, 101, "Jansen");
    Vensters vensters;
    TfrmRsvOvRes& bord = Open();
    bord.ZetVensters(&vensters);

    KlikOp(Midden(5, 1));
    EXPECT_EQ(vensters.gegevens, std::vector<JaarNr>{jansen});
    EXPECT_TRUE(vensters.inChecks.empty());
    EXPECT_EQ(bord.Toestand().geselecteerd, jansen) << "the board re-reads and keeps the selection";

    // Changed in the details: what another action stored meanwhile shows too.
    vensters.resultaat = bord::drGewijzigd;
    const JaarNr bakker = Boek(EncodeDate(2026, 3, 11), 2, 102, "Bakker");
    KlikOp(Midden(5, 1));
    EXPECT_EQ(bord.Toestand().extras.size(), 2u);
    EXPECT_EQ(bord.Toestand().geselecteerd, jansen);

    vensters.resultaat = bord::drInUitChecken;
    KlikOp(Midden(6, 2));
    EXPECT_EQ(vensters.gegevens.back(), bakker);
    EXPECT_EQ(vensters.inChecks, std::vector<JaarNr>{bakker});
    EXPECT_TRUE(bord.findChild<QTimer*>(QStringLiteral("tmrUpdate"))->isActive());
}

TEST_F(BordSelectieTest, OverzichtenOpensTheReportsOverTheBoardAndShowsWhatWasBookedMeanwhile)
{
    Vensters vensters;
    TfrmRsvOvRes& bord = Open();
    bord.ZetVensters(&vensters);
    ASSERT_TRUE(Deel<QAbstractButton>("btnOverzicht")->isEnabled());
    Boek(EncodeDate(2026, 3, 10), 3, 101, "Jansen");

    Klik("btnOverzicht");
    EXPECT_EQ(vensters.rapportages, std::vector<QWidget*>{&bord});
    EXPECT_EQ(bord.Toestand().extras.size(), 1u);
    EXPECT_TRUE(bord.findChild<QTimer*>(QStringLiteral("tmrUpdate"))->isActive());
}

TEST_F(BordSelectieTest, SelectingByNumberGoesToTheReservationsWeekWithTheYearsCountAsMaximum)
{
    Boek(EncodeDate(2026, 3, 10), 2, 101, "Jansen");
    const JaarNr mei = Boek(EncodeDate(2026, 5, 13), 2, 102, "Bakker");
    TfrmRsvOvRes& bord = Open();
    int maximum = -1;
    BijDialoog([&](TForm& dialoog) {
        EXPECT_FALSE(bord.findChild<QTimer*>(QStringLiteral("tmrUpdate"))->isActive());
        EXPECT_EQ(dialoog.Caption(), QStringLiteral("Selecteer reservering"));
        maximum = dialoog.findChild<QSpinBox*>(QStringLiteral("spnNr"))->maximum();
        dialoog.findChild<QSpinBox*>(QStringLiteral("spnNr"))->setValue(2);
        return mrOk;
    });
    Klik("btnSelRes");
    EXPECT_EQ(maximum, 2);
    EXPECT_EQ(bord.StartDatum(), EncodeDate(2026, 5, 10));
    EXPECT_EQ(bord.Toestand().geselecteerd, mei);
    EXPECT_EQ(Tekst("flblResBoekNr"), QStringLiteral("26/00002"));
    EXPECT_TRUE(bord.findChild<QTimer*>(QStringLiteral("tmrUpdate"))->isActive());
}

TEST_F(BordSelectieTest, ACancelledReservationIsRefusedAndTheBoardStaysWhereItWas)
{
    BouwRes geannuleerd;
    geannuleerd.begin = EncodeDate(2026, 6, 1);
    geannuleerd.eind = EncodeDate(2026, 6, 3);
    geannuleerd.status = 99;
    const JaarNr sleutel = ::Boek(geannuleerd);
    TfrmRsvOvRes& bord = Open();

    bord.SelectReservation(sleutel, JaarNr());
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().kind, MsgKind::Warning);
    EXPECT_EQ(berichten_.Laatste().tekst,
              QStringLiteral("Kan boekingsnr. 26/00001 niet weergeven omdat deze geannuleerd is."));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Reserveringen"));
    EXPECT_EQ(bord.StartDatum(), EncodeDate(2026, 3, 8));
    EXPECT_TRUE(bord.Toestand().geselecteerd.IsLeeg());
}

TEST_F(BordSelectieTest, AStandAloneBoardOpenedOnACheckInShowsItsReservationAndOpensTheCheckIn)
{
    Boek(EncodeDate(2026, 3, 10), 2, 101, "Jansen");
    const JaarNr res = Boek(EncodeDate(2026, 4, 20), 3, 102, "Bakker");
    BouwInCheck gegevens;
    gegevens.in = EncodeDate(2026, 4, 20);
    const JaarNr inCheck = CheckIn(res, RegelNummers(res).front(), gegevens);
    TDateTime startBijInCheck = 0;
    JaarNr geselecteerdBijInCheck;
    BijDialoog([&](TForm& form) {
        auto& bord = dynamic_cast<TfrmRsvOvRes&>(form);
        BijDialoog([&](TForm& inCheckLijst) {
            EXPECT_EQ(inCheckLijst.parentWidget(), &bord);
            startBijInCheck = bord.StartDatum();
            geselecteerdBijInCheck = bord.Toestand().geselecteerd;
            return mrOk;
        });
        form.show();
        form.close();
        return mrCancel;
    });
    RsvDlgReserveringsOverzicht(nullptr, inCheck);
    EXPECT_EQ(Getoond(), 2);
    EXPECT_EQ(startBijInCheck, EncodeDate(2026, 4, 19));
    EXPECT_EQ(geselecteerdBijInCheck, res);
}

}  // namespace
