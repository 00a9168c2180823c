// The rate matrix of the room type dialog: built from the year's rate types and
// periods, filled from a type's rates, turned back into rates.

#include <gtest/gtest.h>

#include "host/brlib/TariefMatrix.h"
#include "tests/host/brlib/BrlibTestData.h"
#include "tests/support/TempAdmin.h"

using namespace brlib;

namespace {

void MaakSoortenEnPeriodes()
{
    stTariefSoort week = stTariefSoort::Standaard();
    week.code = QStringLiteral("Week");
    week.aantalDagen = 7;
    SchrijfAlle<WIN_rsv_tariefsoort>(Bestanden::TariefSoort, std::vector{stTariefSoort::Standaard(), week});
    SchrijfPeriodes(2026, {Periode("Standaard", EncodeDate(2026, 1, 1)), Periode("Zomer", EncodeDate(2026, 7, 1))});
}

}  // namespace

TEST(TariefMatrix, NoMatrixWithoutPeriodsOrRateTypes)
{
    TempAdmin admin;
    stMatrix matrix;
    EXPECT_FALSE(MaakTariefMatrix(2026, matrix));
    SchrijfPeriodes(2026, {Periode("Standaard", EncodeDate(2026, 1, 1))});
    EXPECT_FALSE(MaakTariefMatrix(2026, matrix));
    SchrijfAlle<WIN_rsv_tariefsoort>(Bestanden::TariefSoort, std::vector{stTariefSoort::Standaard()});
    EXPECT_TRUE(MaakTariefMatrix(2026, matrix));
    EXPECT_FALSE(MaakTariefMatrix(2027, matrix));
}

TEST(TariefMatrix, FilledFromRatesAndBackLeavingOutEmptyAndUnknownOnes)
{
    TempAdmin admin;
    MaakSoortenEnPeriodes();
    stMatrix matrix;
    ASSERT_TRUE(MaakTariefMatrix(2026, matrix));
    ASSERT_EQ(matrix.soorten.size(), 2u);
    EXPECT_EQ(matrix.soorten[1].tekst, QStringLiteral("Week"));
    EXPECT_EQ(matrix.AantalPeriodes(), 2);
    EXPECT_TRUE(matrix.Leeg());

    // Record numbers: rate types 2 and 3, periods 1 and 2.
    VulTariefMatrix(matrix, {{3, 2, 600.0}, {2, 1, 80.0}, {9, 1, 5.0}, {2, 7, 5.0}});
    EXPECT_FALSE(matrix.Leeg());
    EXPECT_EQ(matrix.soorten[0].bedragen, (std::vector<double>{80.0, 0.0}));
    EXPECT_EQ(matrix.soorten[1].bedragen, (std::vector<double>{0.0, 600.0}));

    std::vector<stTarief> lijst;
    MaakTariefLijst(matrix, lijst);
    EXPECT_EQ(lijst, (std::vector<stTarief>{{2, 1, 80.0}, {3, 2, 600.0}}));
}

TEST(TariefMatrix, GridRowsMapToRateTypeAndPeriod)
{
    TempAdmin admin;
    MaakSoortenEnPeriodes();
    stMatrix matrix;
    ASSERT_TRUE(MaakTariefMatrix(2026, matrix));
    EXPECT_TRUE(matrix.ZetBedrag(1, 95.0));  // Standaard, Zomer
    EXPECT_TRUE(matrix.ZetBedrag(2, 450.0)); // Week, Standaard
    EXPECT_FALSE(matrix.ZetBedrag(4, 1.0));
    EXPECT_FALSE(matrix.ZetBedrag(-1, 1.0));
    EXPECT_EQ(matrix.soorten[0].bedragen, (std::vector<double>{0.0, 95.0}));
    EXPECT_EQ(matrix.soorten[1].bedragen, (std::vector<double>{450.0, 0.0}));
}
