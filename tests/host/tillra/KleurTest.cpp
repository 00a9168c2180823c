#include <gtest/gtest.h>

#include "host/tillra/Kleur.h"

TEST(Lighten, MovesEveryChannelTowardsWhiteByTheFraction)
{
    EXPECT_EQ(Tillra::Lighten(0x000080, 0.0), 0x000080u);
    EXPECT_EQ(Tillra::Lighten(0x000080, 1.0), 0xFFFFFFu);
    // 0x80 + 0x7F * 0.6 = 204.2 -> 0xCC; 0 + 255 * 0.6 = 153 -> 0x99; blue and green alike.
    EXPECT_EQ(Tillra::Lighten(0x000080, 0.6), 0x9999CCu);
    EXPECT_EQ(Tillra::Lighten(0x00FFFF, 0.4), 0x66FFFFu);
}

TEST(Lighten, KeepsTheColourOrderOfTheTable)
{
    // A swap of red and blue would show here: only blue is lightened.
    EXPECT_EQ(Tillra::Lighten(0xFF0000, 0.5), 0xFF8080u);
    EXPECT_EQ(TColor{0x000080} & 0xFF, 0x80u);
    EXPECT_EQ(QKleur(0x000080), QColor(0x80, 0, 0));
}
