// What the new lines carry: prices (or none), persons, the total amount, and
// the OK flow up to the registration.

#include "tests/board/nieuw/NieuwTest.h"

using namespace bord;

TEST_F(NieuwTest, ARoomWithoutRatesShowsTheErrorAndKeepsTheLineWithoutPrices)
{
    Sleep(r103, ma, ma + 2);
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().kind, MsgKind::Error);
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Kan voor deze periode geen tarieven bepalen!"));
    EXPECT_EQ(berichten_.Laatste().titel, QStringLiteral("Reserveringen"));
    ASSERT_EQ(AantalNieuw(), 1u);
    EXPECT_FALSE(Nieuw(0).voorlopig);
    EXPECT_EQ(Nieuw(0).bedrag, 0);
    EXPECT_EQ(Nieuw(0).tariefCode, QString());
    EXPECT_EQ(model_.AantalRegels(), 1);
}

TEST_F(NieuwTest, TotalAddsTheConfirmedLinesAndRoundsTheSumToCents)
{
    Sleep(r101, ma, ma + 1);
    Klik(Dag(r102, ma));
    bord_.items[model_.EersteNieuwe()].bedrag = 10.004;
    bord_.items[model_.EersteNieuwe() + 1].bedrag = 10.004;
    EXPECT_DOUBLE_EQ(model_.Totaal(), 20.01);  // not 20.00 from rounding each line first

    bord_.items[model_.EersteNieuwe()].bedrag = 0.1;
    bord_.items[model_.EersteNieuwe() + 1].bedrag = 0.2;
    EXPECT_EQ(model_.Totaal(), 0.3);

    model_.MuisBeweeg(Dag(r103, ma));  // pending: not part of the total yet
    bord_.items.back().bedrag = 50;
    EXPECT_EQ(model_.Totaal(), 0.3);
}

TEST_F(NieuwTest, PersonsChangeOnlyOnExistingNewLines)
{
    Bezet(103, ma - 7, ma - 5);
    Sleep(r101, ma, ma + 2);
    EXPECT_TRUE(model_.ZetPersonen(0, 1));
    EXPECT_EQ(Nieuw(0).personen, 1);
    EXPECT_FALSE(model_.ZetPersonen(1, 4));
    EXPECT_FALSE(model_.ZetPersonen(0, -1));
    EXPECT_FALSE(model_.ZetPersonen(-1, 4));
    EXPECT_EQ(bord_.items.front().personen, 0);  // the stored line is not a new line
    EXPECT_EQ(Nieuw(0).personen, 1);
}

class NieuwOkTest : public NieuwTest {
protected:
    bool Ok(bool meerdere = false)
    {
        return model_.Ok(
            meerdere,
            [this](ResGegevens& gegevens, double totaal) {
                ++dialogen_;
                totaalInDialoog_ = totaal;
                gegevens.gastRegels = {QStringLiteral("Jansen")};
                return dialoogOk_;
            },
            [this](const std::vector<brlib::stRes>& regels, const ResGegevens& gegevens, bool meerdere) {
                geregistreerd_ = regels;
                gegevensBijRegistratie_ = gegevens;
                meerdereBijRegistratie_ = meerdere;
                return true;
            });
    }

    int dialogen_ = 0;
    double totaalInDialoog_ = 0;
    bool dialoogOk_ = true;
    std::vector<brlib::stRes> geregistreerd_;
    ResGegevens gegevensBijRegistratie_;
    bool meerdereBijRegistratie_ = false;
};

TEST_F(NieuwOkTest, WithoutLinesOkWarnsAndRegistersNothing)
{
    Sleep(r101, ma, ma + 3);
    model_.Ongedaan();
    model_.MuisNeer(Dag(r102, ma));  // a drag just begun is dropped as well
    EXPECT_FALSE(Ok());
    ASSERT_EQ(berichten_.Gezien().size(), 1u);
    EXPECT_EQ(berichten_.Laatste().kind, MsgKind::Warning);
    EXPECT_EQ(berichten_.Laatste().tekst, QStringLiteral("Nog geen reservering(en) aanwezig."));
    EXPECT_EQ(dialogen_, 0);
    EXPECT_TRUE(geregistreerd_.empty());
    EXPECT_EQ(AantalNieuw(), 0u);
}

TEST_F(NieuwOkTest, OkAsksTheDetailsOnlyWhenNoneWereGatheredAndRegistersTheConfirmedLines)
{
    Sleep(r101, ma, ma + 3);
    Klik(Dag(r102, ma));
    model_.MuisBeweeg(Dag(r103, ma));

    dialoogOk_ = false;
    EXPECT_FALSE(Ok());
    EXPECT_EQ(dialogen_, 1);
    EXPECT_DOUBLE_EQ(totaalInDialoog_, 480);
    EXPECT_TRUE(model_.Gegevens().Leeg());
    EXPECT_TRUE(geregistreerd_.empty());
    EXPECT_EQ(AantalNieuw(), 2u);  // the pending line is gone, the lines stay

    dialoogOk_ = true;
    EXPECT_TRUE(Ok(true));
    EXPECT_EQ(dialogen_, 2);
    ASSERT_EQ(geregistreerd_.size(), 2u);
    EXPECT_EQ(geregistreerd_[1].kamerNr, 102);
    EXPECT_EQ(gegevensBijRegistratie_.gastRegels, QStringList{QStringLiteral("Jansen")});
    EXPECT_TRUE(meerdereBijRegistratie_);

    EXPECT_TRUE(Ok());
    EXPECT_EQ(dialogen_, 2);  // the details are known now
}
