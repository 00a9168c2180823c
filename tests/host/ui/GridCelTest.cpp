#include <gtest/gtest.h>

#include "host/ui/GridCel.h"

TEST(GridCel, NumbersInDutchNotation)
{
    EXPECT_EQ(FormatGetal(1234567.456, "#,##0.00"), "1.234.567,46");
    EXPECT_EQ(FormatGetal(12.5, "0.00"), "12,50");
    EXPECT_EQ(FormatGetal(-0.001, "0.00"), "0,00");
    EXPECT_EQ(FormatGetal(-1234.5, "#,##0.0"), "-1.234,5");
    EXPECT_EQ(FormatGetal(999.6, "0"), "1000");
    EXPECT_EQ(FormatGetal(100, "#,##0"), "100");
    EXPECT_EQ(FormatGetal(2.5, "0.###"), "2,5");
    EXPECT_EQ(FormatGetal(2, "0.###"), "2");
    EXPECT_EQ(FormatGetal(-0.0001, "0.###"), "0");
    EXPECT_EQ(FormatGetal(1.25, "0.0#"), "1,25");
    EXPECT_EQ(FormatGetal(1, "0.0#"), "1,0");
}

TEST(GridCel, CellTextFollowsKindAndFormat)
{
    EXPECT_EQ(CelTekst(DatumCel(EncodeDate(2027, 3, 1)), ""), "01-03-2027");
    EXPECT_EQ(CelTekst(DatumCel(EncodeDate(2027, 3, 1)), "ddd d mmm"), "ma 1 mrt");
    EXPECT_EQ(CelTekst(DatumCel(0), "dd-mm-yyyy"), "");
    EXPECT_EQ(CelTekst(QVariant(qlonglong(1234)), ""), "1234");
    EXPECT_EQ(CelTekst(QVariant(qlonglong(1234)), "#,##0"), "1.234");
    EXPECT_EQ(CelTekst(QVariant(89.9), ""), "89,90");
    EXPECT_EQ(CelTekst(QVariant(QString("Jansen")), "0.00"), "Jansen");
    EXPECT_EQ(CelDatum(DatumCel(EncodeDateTime(2027, 3, 1, 12, 0, 0))), EncodeDateTime(2027, 3, 1, 12, 0, 0));
}

TEST(GridCel, TypedTextIsReadAsTheKindOfTheCell)
{
    EXPECT_EQ(CelUitTekst(" 3 ", QVariant(qlonglong(2)))->toLongLong(), 3);
    EXPECT_FALSE(CelUitTekst("drie", QVariant(qlonglong(2))));
    EXPECT_FALSE(CelUitTekst("2,5", QVariant(qlonglong(2))));
    EXPECT_DOUBLE_EQ(CelUitTekst("1.234,56", QVariant(1.0))->toDouble(), 1234.56);
    EXPECT_DOUBLE_EQ(CelUitTekst("12.5", QVariant(1.0))->toDouble(), 12.5);
    EXPECT_FALSE(CelUitTekst("12,5 euro", QVariant(1.0)));
    EXPECT_EQ(CelDatum(*CelUitTekst("1-3-2027", DatumCel(0))), EncodeDate(2027, 3, 1));
    EXPECT_EQ(CelDatum(*CelUitTekst("01-03-27", DatumCel(0))), EncodeDate(2027, 3, 1));
    EXPECT_FALSE(CelUitTekst("31-02-2027", DatumCel(0)));
    EXPECT_EQ(CelUitTekst(" vrij ", QVariant(QString("x")))->toString(), " vrij ");
    EXPECT_FALSE(LeesGetal("inf"));
}
