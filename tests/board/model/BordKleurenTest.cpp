#include <gtest/gtest.h>

#include "board/BordKleuren.h"
#include "host/tillra/Kleur.h"
#include "tests/board/model/BordTestHulp.h"

using namespace bord;

namespace {

constexpr TColor kRes = 0x000080;

brlib::stRes Ingecheckt(brlib::stRes item, bool uit)
{
    item.inCheck.sleutel = JaarNr(2026, 3);
    item.inCheck.uitgecheckt = uit;
    return item;
}

}  // namespace

TEST(BordKleuren, BarColourFollowsKindThenCheckInThenPendingAndHighlight)
{
    const BordToestand t = BordMetKamers({101});
    const KleurTabel tabel;
    EXPECT_EQ(BalkKleur(t, tabel, Regel(101, 0, 2, 1, 0), 0), kRes);
    EXPECT_EQ(BalkKleur(t, tabel, Regel(101, 0, 2, 1, 1), 0), 0xA000A0u);
    EXPECT_EQ(BalkKleur(t, tabel, Regel(101, 0, 2, 1, 2), 0), 0x101010u);
    EXPECT_EQ(BalkKleur(t, tabel, Ingecheckt(Regel(101, 0, 2, 1, 1), false), 0), 0x008000u);
    EXPECT_EQ(BalkKleur(t, tabel, Ingecheckt(Regel(101, 0, 2, 1), true), 0), 0x808080u);

    EXPECT_EQ(BalkKleur(t, tabel, Regel(101, 0, 2, 1), kStatusVoorlopig | kStatusLicht), 0x800000u);
    EXPECT_EQ(BalkKleur(t, tabel, Regel(101, 0, 2, 1), kStatusLicht), Tillra::Lighten(kRes, 0.6));
    EXPECT_EQ(BalkKleur(t, tabel, Ingecheckt(Regel(101, 0, 2, 1), false), kStatusLicht),
              Tillra::Lighten(0x008000, 0.6));
}

TEST(BordKleuren, HighlightTakesTheModeColourOnlyInRowsThatTakePartInTheMode)
{
    BordToestand t = BordMetKamers({101, 102});
    const KleurTabel tabel;
    const brlib::stRes op101 = Regel(101, 0, 2, 1);
    const brlib::stRes op102 = Regel(102, 0, 2, 1);

    t.verplaatsModus = 1;
    t.bronKamer = 101;
    EXPECT_EQ(BalkKleur(t, tabel, op101, kStatusLicht), 0xFFFF00u);
    EXPECT_EQ(BalkKleur(t, tabel, op102, kStatusLicht), Tillra::Lighten(kRes, 0.6));

    t.verplaatsModus = 0;
    t.groepModus = 1;
    EXPECT_EQ(BalkKleur(t, tabel, op102, kStatusLicht), 0xFFFF00u);
    t.groepModus = 0;
    t.periodeModus = 2;
    EXPECT_EQ(BalkKleur(t, tabel, op102, kStatusLicht), Tillra::Lighten(kRes, 0.6));
    t.periodeModus = 1;
    EXPECT_EQ(BalkKleur(t, tabel, op102, kStatusLicht), 0xFFFF00u);
}

TEST(BordKleuren, CaptionIsBlackOnTheSelectionAndYellowOnNewLines)
{
    BordToestand t = BordMetKamers({101});
    EXPECT_EQ(TekstKleur(t, Regel(101, 0, 2, 1)), 0xFFFFFFu);
    EXPECT_EQ(TekstKleur(t, NieuweRegel(101, 0, 2)), 0x00FFFFu);
    t.geselecteerd = JaarNr(2026, 1);
    EXPECT_EQ(TekstKleur(t, Regel(101, 0, 2, 1)), 0x000000u);
    EXPECT_EQ(TekstKleur(t, NieuweRegel(101, 0, 2)), 0x00FFFFu);
}

TEST(BordKleuren, PointerHighlightsHeadersAlwaysAndCellsOnlyInTheFirstMode)
{
    BordToestand t = BordMetKamers({101, 102});
    const TDateTime vandaag = kStart + 10;  // not shown
    t.wijzerKolom = 4;
    t.wijzerRij = 2;
    t.cursorHor = cursorKopEnCellen;
    t.cursorVert = cursorAlleenKop;
    const TColor licht = Tillra::Lighten(0x00FFFF, 0.4);

    EXPECT_EQ(AchtergrondKleur(t, 0, 2, vandaag), 0x00FFFFu);  // room cell of the pointer row
    EXPECT_EQ(AchtergrondKleur(t, 4, 0, vandaag), 0x00FFFFu);  // header of the pointer column
    EXPECT_EQ(AchtergrondKleur(t, 7, 2, vandaag), licht);       // day cell of the pointer row
    EXPECT_EQ(AchtergrondKleur(t, 4, 1, vandaag), 0xEEEEEEu);   // pointer column, header only
    EXPECT_EQ(AchtergrondKleur(t, 6, 1, vandaag), 0xEEEEEEu);
    EXPECT_EQ(AchtergrondKleur(t, 5, 0, vandaag), 0xE0E0E0u);
    EXPECT_EQ(AchtergrondKleur(t, 6, 0, vandaag), 0xD0D0D0u);

    t.cursorHor = cursorUit;
    EXPECT_EQ(AchtergrondKleur(t, 0, 2, vandaag), 0xD0D0D0u);
    EXPECT_EQ(AchtergrondKleur(t, 7, 2, vandaag), 0xFFFFFFu);
}

TEST(BordKleuren, TodayChosenDatesAndTheNewReservationRowStandOut)
{
    BordToestand t = BordMetKamers({101, 102});
    const TDateTime vandaag = kStart + 3;
    const int kolomVandaag = kVasteKolommen + 3;
    EXPECT_EQ(AchtergrondKleur(t, kolomVandaag, 0, vandaag), 0xFFE2C6u);
    EXPECT_EQ(AchtergrondKleur(t, kolomVandaag, 1, vandaag), 0xFFE2C6u);

    t.nieuwRij = 2;
    t.gekozenBegin = kStart + 3;
    t.gekozenEind = kStart + 6;
    EXPECT_EQ(AchtergrondKleur(t, 1, 2, vandaag), 0xFFFF00u);
    EXPECT_EQ(AchtergrondKleur(t, kolomVandaag, 0, vandaag), 0xFFFF00u);
    EXPECT_EQ(AchtergrondKleur(t, kVasteKolommen + 6, 0, vandaag), 0xFFFF00u);
    EXPECT_EQ(AchtergrondKleur(t, kVasteKolommen + 5, 0, vandaag), 0xE0E0E0u);
    EXPECT_EQ(AchtergrondKleur(t, kVasteKolommen + 6, 2, vandaag), 0xEEEEEEu);  // day cells keep theirs
}

TEST(BordKleuren, CommonPeriodOfNewLinesAndTheMovedLineShadeEveryRow)
{
    BordToestand t = BordMetKamers({101, 102});
    const TDateTime vandaag = kStart - 20;
    t.items = {Regel(101, 0, 9, 1), NieuweRegel(101, 3, 5)};
    EXPECT_EQ(AchtergrondKleur(t, kVasteKolommen + 2, 2, vandaag), 0xEEEEEEu);
    EXPECT_EQ(AchtergrondKleur(t, kVasteKolommen + 3, 2, vandaag), 0xBBFFFFu);
    EXPECT_EQ(AchtergrondKleur(t, kVasteKolommen + 4, 1, vandaag), 0xAAEEEEu);
    EXPECT_EQ(AchtergrondKleur(t, kVasteKolommen + 5, 1, vandaag), 0xBBFFFFu);
    EXPECT_EQ(AchtergrondKleur(t, kVasteKolommen + 6, 1, vandaag), 0xEEEEEEu);

    t.items.pop_back();
    EXPECT_EQ(AchtergrondKleur(t, kVasteKolommen + 4, 1, vandaag), 0xEEEEEEu);
    t.verplaatsModus = 2;
    t.verplaatsItem = 0;
    EXPECT_EQ(AchtergrondKleur(t, kVasteKolommen + 9, 2, vandaag), 0xBBFFFFu);
    EXPECT_EQ(AchtergrondKleur(t, kVasteKolommen + 10, 2, vandaag), 0xEEEEEEu);
}

TEST(BordKleuren, LegendRowsCarryTheirColoursBehindTwelveBlanks)
{
    KleurTabel tabel;
    tabel.optie = 0x123456;
    const auto legenda = Legenda(tabel);
    EXPECT_EQ(legenda[0].tekst, QStringLiteral("            Niet ingechecked"));
    EXPECT_EQ(legenda[3].kleur, 0x123456u);
    EXPECT_EQ(legenda[5].tekst, QStringLiteral("            Groep selectie"));
    EXPECT_EQ(legenda[5].kleur, 0xFF0000u);
}
