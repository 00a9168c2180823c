// The move, period and group modes worked with the pointer on the board, with
// their questions answered and the partial-move dialog scripted.

#include <QPushButton>

#include "board/Registratie.h"
#include "board/Verplaatsing.h"
#include "host/brlib/ReserveringCursor.h"
#include "tests/board/form/BordFormTest.h"
#include "tests/store/StoreTestHulp.h"

namespace {

class BordModiTest : public BordFormTest {
protected:
    void SetUp() override { MaakKamers(3); }
    void TearDown() override { EXPECT_EQ(Bevindingen(), QString()); }

    static brlib::RsvReservering Lees(JaarNr res)
    {
        brlib::RsvReserveringCursorRandom cursor;
        return cursor.At(res, brlib::roRegels);
    }
    static std::vector<int32_t> Kamers(JaarNr res)
    {
        std::vector<int32_t> kamers;
        for (const brlib::stRes& regel : Lees(res).kamerRegels)
            kamers.push_back(regel.kamerNr);
        return kamers;
    }
    bool Zichtbaar(const char* naam) const { return Deel(naam)->isVisible(); }
    bool Aan(const char* naam) const { return Deel(naam)->isEnabled(); }

    void ExpectNormaal() const
    {
        EXPECT_TRUE(Zichtbaar("pnlOnder"));
        EXPECT_FALSE(Zichtbaar("pnlVerplaatsen"));
        EXPECT_TRUE(Aan("btnMinWeek"));
        EXPECT_TRUE(Aan("btnSelRes"));
        EXPECT_EQ(bord_->Toestand().verplaatsModus + bord_->Toestand().periodeModus + bord_->Toestand().groepModus, 0);
    }
};

// Tuesday 10 March is column 4; room 101 is row 1.
TEST_F(BordModiTest, ALineMovesWhollyToTheRoomUnderThePointerAfterTheQuestion)
{
    const JaarNr res = Boek(EncodeDate(2026, 3, 10), 3, 101, "Jansen");
    TfrmRsvOvRes& bord = Open();

    Klik("btnVerplaatsen");
    EXPECT_TRUE(Zichtbaar("pnlVerplaatsen"));
    EXPECT_FALSE(Zichtbaar("pnlOnder"));
    EXPECT_FALSE(Aan("btnSelRes"));
    EXPECT_EQ(Tekst("pnlCapVerplaatsen"), QStringLiteral("Kamer verplaatsen: Selecteer de te verplaatsen kamer"));
    Wijs(Midden(5, 1));
    EXPECT_EQ(bord.Toestand().bronKamer, 101);
    KlikOp(Midden(5, 1));
    EXPECT_EQ(bord.Toestand().verplaatsModus, 2);
    EXPECT_EQ(Tekst("pnlCapVerplaatsen"), QStringLiteral("Kamer 101 verplaatsen: Selecteer de nieuwe kamer"));
    EXPECT_FALSE(Aan("btnMinWeek"));

    Wijs(Midden(5, 3));
    EXPECT_EQ(bord.Toestand().items.at(bord.Toestand().verplaatsItem).kamerNr, 103);
    KlikOp(Midden(5, 3));

    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().tekst,
              QStringLiteral("Wilt u de reservering van kamer 101 verplaatsen naar kamer 103 ?"));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Verplaatsen"));
    EXPECT_EQ(berichten_.Laatste().knoppen, msg::mbYesNo);
    EXPECT_EQ(Kamers(res), std::vector<int32_t>{103});
    ExpectNormaal();
}

// A checked-out stay on the target room that ends inside the line lets the
// line move from that day on; the dialog picks the day.
TEST_F(BordModiTest, ACheckedOutStayOnTheTargetRoomOffersAPartialMoveFromItsDepartureOn)
{
    const JaarNr weg = Boek(EncodeDate(2026, 3, 8), 3, 102, "Vertrokken");
    BouwInCheck uit;
    uit.in = EncodeDate(2026, 3, 8);
    uit.uitgecheckt = true;
    uit.uit = EncodeDate(2026, 3, 11);
    CheckIn(weg, RegelNummers(weg).front(), uit);
    const JaarNr res = Boek(EncodeDate(2026, 3, 10), 4, 101, "Jansen");
    Open();
    QString info;
    QString eersteDatum;
    BijDialoog([&](TForm& dialoog) {
        EXPECT_EQ(dialoog.Caption(), QStringLiteral("Selecteer begindatum verplaatsing"));
        info = dialoog.findChild<QLabel*>(QStringLiteral("lblInfo"))->text();
        eersteDatum = dialoog.findChild<QLabel*>(QStringLiteral("flblDatum"))->text();
        dialoog.findChild<QPushButton*>(QStringLiteral("btnDagMin"))->click();  // not before the first day
        dialoog.findChild<QPushButton*>(QStringLiteral("btnDagPlus"))->click();
        dialoog.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
        return dialoog.ModalResult();
    });

    Klik("btnVerplaatsen");
    KlikOp(Midden(5, 1));
    Wijs(Midden(5, 2));
    KlikOp(Midden(5, 2));

    EXPECT_EQ(Getoond(), 1);
    EXPECT_EQ(info, QStringLiteral("U kunt nu vanaf een bepaalde datum de reservering op kamer 101 verplaatsen  naar "
                                   "kamer 102.\nSelecteer de begindatum van deze verplaatsing."));
    EXPECT_TRUE(eersteDatum.endsWith(QStringLiteral("11-03-2026"))) << eersteDatum.toStdString();
    const brlib::RsvReservering gelezen = Lees(res);
    ASSERT_EQ(gelezen.kamerRegels.size(), 2u);
    EXPECT_EQ(gelezen.kamerRegels[0].begin, EncodeDate(2026, 3, 12));
    EXPECT_EQ(gelezen.kamerRegels[1].verplaatstNaar, 102);
}

TEST_F(BordModiTest, ARoomTheReservationAlreadyUsesIsRefusedAndAnnulerenWritesNothing)
{
    BouwRes gesplitst;
    gesplitst.begin = EncodeDate(2026, 3, 10);
    gesplitst.eind = EncodeDate(2026, 3, 14);
    gesplitst.gast = QStringList{QStringLiteral("Jansen")};
    BouwRegel kop;
    kop.kamer = 101;
    kop.eind = EncodeDate(2026, 3, 12);
    kop.verplaatstNaar = 102;
    BouwRegel staart;
    staart.kamer = 102;
    staart.begin = EncodeDate(2026, 3, 12);
    gesplitst.regels = {kop, staart};
    const JaarNr res = ::Boek(gesplitst);
    TfrmRsvOvRes& bord = Open();

    Klik("btnVerplaatsen");
    KlikOp(Midden(5, 1));
    Wijs(Midden(5, 2));
    KlikOp(Midden(5, 2));
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().kind, MsgKind::Warning);
    EXPECT_EQ(berichten_.Laatste().tekst,
              QStringLiteral("Kan niet verplaatsen: Deze kamer is binnen deze reservering al eens geboekt."));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Verplaatsen"));
    EXPECT_EQ(bord.Toestand().verplaatsModus, 2);

    Klik("btnVerplAnnuleren");
    ExpectNormaal();
    EXPECT_EQ(Kamers(res), (std::vector<int32_t>{101, 102}));

    // Such a reservation keeps its period.
    Klik("btnPerWzg");
    KlikOp(Midden(5, 1));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Verplaatsten"));
    EXPECT_TRUE(berichten_.Laatste().tekst.startsWith(QStringLiteral("Kan de periode niet wijzigen")));
    EXPECT_EQ(bord.Toestand().periodeModus, 1);
}

TEST_F(BordModiTest, APeriodFollowsThePointerAndIsStoredAfterTheQuestion)
{
    const JaarNr res = Boek(EncodeDate(2026, 3, 10), 3, 101, "Jansen");
    Boek(EncodeDate(2026, 3, 16), 2, 101, "Bakker");
    TfrmRsvOvRes& bord = Open();

    Klik("btnPerWzg");
    EXPECT_EQ(Tekst("pnlCapVerplaatsen"), QStringLiteral("Periode wijzigen: Selecteer de reservering"));
    KlikOp(Midden(5, 1));
    EXPECT_EQ(Tekst("pnlCapVerplaatsen"), QStringLiteral("Selecteer de nieuwe periode voor reservering 26/00001"));
    EXPECT_FALSE(Aan("btnMinMaand"));
    Wijs(Midden(10, 1));  // five days on would run into Bakker's stay: refused, stays put
    EXPECT_EQ(bord.Toestand().items.front().begin, EncodeDate(2026, 3, 10));
    Wijs(Midden(7, 1));
    EXPECT_EQ(bord.Toestand().items.front().begin, EncodeDate(2026, 3, 12));
    KlikOp(Midden(7, 1));

    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Wilt u de periode wijziging van deze reservering opslaan?"));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Periode wijzigen"));
    EXPECT_EQ(Lees(res).begin, EncodeDate(2026, 3, 12));
    EXPECT_EQ(Lees(res).eind, EncodeDate(2026, 3, 15));
    ExpectNormaal();
}

TEST_F(BordModiTest, AReservationJoinsTheGroupOfTheNextOneClicked)
{
    const JaarNr a = Boek(EncodeDate(2026, 3, 10), 2, 101, "Jansen");
    const JaarNr b = Boek(EncodeDate(2026, 3, 10), 2, 102, "Bakker");
    Open();

    Klik("btnGroepWijzigen");
    EXPECT_EQ(Tekst("pnlCapVerplaatsen"),
              QStringLiteral("Selecteer de reservering die aan een groep moet worden toegekend."));
    KlikOp(Midden(5, 1));
    EXPECT_EQ(Tekst("pnlCapVerplaatsen"),
              QStringLiteral("Selecteer de groep waaraan u reservering 26/00001 wilt gaan toekennen"));
    KlikOp(Midden(5, 2));
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_TRUE(berichten_.Laatste().tekst.startsWith(
        QStringLiteral("U heeft een reservering geselecteerd die niet aan een groep is toegekend.\n")));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Groep toekennen/wijzigen"));
    EXPECT_EQ(Lees(a).groepNr, 1);
    EXPECT_EQ(Lees(b).groepNr, 1);
    ExpectNormaal();
}

// Another workstation's change re-reads the board: the chosen line is found
// again by its record number, and when it left its room the mode ends.
TEST_F(BordModiTest, ARefreshDuringAMoveKeepsTheChosenLineOrEndsTheMode)
{
    const JaarNr res = Boek(EncodeDate(2026, 3, 10), 3, 101, "Jansen");
    TfrmRsvOvRes& bord = Open();
    Klik("btnVerplaatsen");
    KlikOp(Midden(5, 1));
    Wijs(Midden(5, 2));

    brlib::stRes regel;
    regel.kamerNr = 103;
    regel.begin = EncodeDate(2026, 3, 9);
    regel.eind = EncodeDate(2026, 3, 10);
    ASSERT_TRUE(bord::Registreer({regel}, ResGegevens{}, false, QString()).opgeslagen);
    bord.tmrUpdateTimer();
    ASSERT_EQ(bord.Toestand().verplaatsModus, 2);
    const brlib::stRes& gekozen = bord.Toestand().items.at(bord.Toestand().verplaatsItem);
    EXPECT_EQ(gekozen.resSleutel, res);
    EXPECT_EQ(gekozen.kamerNr, 101);
    EXPECT_TRUE(Zichtbaar("pnlVerplaatsen"));
    EXPECT_FALSE(Zichtbaar("pnlOnder"));

    bord::Verplaatsing elders{res, gekozen.regelNr, gekozen.begin, gekozen.eind, 101, 102};
    ASSERT_EQ(bord::RegistreerVerplaatsing(elders, QString()), bord::Afloop::Opgeslagen);
    bord.tmrUpdateTimer();
    ExpectNormaal();
    EXPECT_TRUE(berichten_.Gezien().empty());
}

}  // namespace
