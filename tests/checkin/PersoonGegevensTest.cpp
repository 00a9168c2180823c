// The rows a relation card fills.

#include <gtest/gtest.h>

#include "checkin/PersoonGegevens.h"

TEST(PersoonGegevens, ARelationNameIsSplitAtItsFirstCommaIntoSurnameAndFirstNames)
{
    const auto kaart = [](const QString& naam) {
        return [naam](int veld) { return veld == 1 ? naam : QStringLiteral("veld %1").arg(veld); };
    };
    const QStringList rijen = incheck::RelatieRijen(kaart(QStringLiteral("Vries, de ,  Jan Piet")));
    EXPECT_EQ(rijen.mid(0, 2), (QStringList{"Vries", "de ,  Jan Piet"}));
    EXPECT_EQ(rijen.mid(2), (QStringList{"veld 2", "veld 3", "veld 4", "veld 5", "veld 7", "veld 9", "", ""}));
    EXPECT_EQ(incheck::RelatieRijen(kaart(QStringLiteral("Hotelreizen BV"))).mid(0, 2),
              (QStringList{"Hotelreizen BV", ""}));
}
