// The lines of the free extra text as the board stores them.

#include <gtest/gtest.h>

#include "reservation/GastGegevens.h"

namespace {

TEST(TekstRegels, LineBreaksSplitAndTheLastOneStartsNoLine)
{
    EXPECT_TRUE(TekstRegels(QString()).isEmpty());
    EXPECT_EQ(TekstRegels(QStringLiteral("een")), QStringList({"een"}));
    EXPECT_EQ(TekstRegels(QStringLiteral("een\n")), QStringList({"een"}));
    // Blank lines the user typed between or after lines are kept.
    EXPECT_EQ(TekstRegels(QStringLiteral("een\n\ntwee")), QStringList({"een", "", "twee"}));
    EXPECT_EQ(TekstRegels(QStringLiteral("een\n\n")), QStringList({"een", ""}));
    EXPECT_EQ(TekstRegels(QStringLiteral("\n")), QStringList({""}));
    EXPECT_EQ(TekstRegels(QStringLiteral("  ingesprongen ")), QStringList({"  ingesprongen "}));
}

}  // namespace
