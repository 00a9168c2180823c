#include <gtest/gtest.h>

#include "host/base/HuidigeDatum.h"

TEST(HuidigeDatum, FollowsTheSystemDateUnlessFixed)
{
    HuidigeDatum& datum = HuidigeDatum::Object();
    if (qEnvironmentVariableIsEmpty("RSV_VANDAAG"))
        EXPECT_EQ(datum.Huidige(), FromQDate(QDate::currentDate()));
    {
        HuidigeDatumVast vast(EncodeDateTime(2031, 7, 14, 18, 30, 0));
        EXPECT_EQ(datum.Huidige(), EncodeDate(2031, 7, 14));
        EXPECT_EQ(datum.Jaar(), 2031);
        {
            HuidigeDatumVast genest(EncodeDate(2032, 1, 1));
            EXPECT_EQ(datum.Jaar(), 2032);
        }
        EXPECT_EQ(datum.Huidige(), EncodeDate(2031, 7, 14));
    }
    if (qEnvironmentVariableIsEmpty("RSV_VANDAAG"))
        EXPECT_EQ(datum.Huidige(), FromQDate(QDate::currentDate()));
}

TEST(HuidigeDatum, EnvironmentFixesTheDateForReproducibleRuns)
{
    const QByteArray vorige = qgetenv("RSV_VANDAAG");
    qputenv("RSV_VANDAAG", "2029-02-28");
    EXPECT_EQ(HuidigeDatum::Object().Huidige(), EncodeDate(2029, 2, 28));
    {
        HuidigeDatumVast vast(EncodeDate(2030, 5, 5));
        EXPECT_EQ(HuidigeDatum::Object().Jaar(), 2030);
    }
    qputenv("RSV_VANDAAG", "28-02-2029");
    EXPECT_EQ(HuidigeDatum::Object().Huidige(), FromQDate(QDate::currentDate()));
    if (vorige.isEmpty())
        qunsetenv("RSV_VANDAAG");
    else
        qputenv("RSV_VANDAAG", vorige);
}
