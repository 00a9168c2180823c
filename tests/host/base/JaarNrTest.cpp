#include <gtest/gtest.h>

#include "host/base/JaarNr.h"

TEST(JaarNr, DisplayFormShowsTwoYearDigitsAndFivePaddedNumberDigits)
{
    EXPECT_EQ(JaarNr(2026, 42).String(2, 5), "26/00042");
    EXPECT_EQ(JaarNr(2009, 123456).String(2, 5), "09/123456");
}

TEST(JaarNr, OrdersByYearThenNumber)
{
    EXPECT_LT(JaarNr(2025, 900), JaarNr(2026, 1));
    EXPECT_LT(JaarNr(2026, 1), JaarNr(2026, 2));
    EXPECT_EQ(JaarNr(2026, 7), JaarNr(2026, 7));
    EXPECT_TRUE(JaarNr(0, 0).IsLeeg());
    EXPECT_FALSE(JaarNr(2026, 0).IsLeeg());
}
