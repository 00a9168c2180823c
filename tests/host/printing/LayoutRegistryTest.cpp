#include <gtest/gtest.h>

#include "host/printing/LayoutRegistry.h"

namespace {

using Printing::DataBron;
using Printing::LayoutRegistry;

struct BronA : DataBron {};
struct BronB : DataBron {};
DataBron* MaakA(const QString&) { return new BronA; }
DataBron* MaakB(const QString&) { return new BronB; }

class LayoutRegistryTest : public testing::Test {
protected:
    void TearDown() override
    {
        for (const QString& key : registry.Keys())
            registry.Unregister(key);
    }
    LayoutRegistry& registry = LayoutRegistry::GetObject();
};

TEST_F(LayoutRegistryTest, RegisteringAKeyAgainReplacesItInPlace)
{
    registry.Register("een", "Eerste", &MaakA);
    registry.Register("twee", "Tweede", &MaakA);
    registry.Register("een", "Eerste opnieuw", &MaakB);

    EXPECT_EQ(registry.Keys(), QStringList({"een", "twee"}));
    EXPECT_EQ(registry.Find("een")->title, "Eerste opnieuw");
    auto bron = registry.Create("een", {});
    EXPECT_NE(dynamic_cast<BronB*>(bron.get()), nullptr);
}

TEST_F(LayoutRegistryTest, UnknownOrRemovedKeysGiveNoSource)
{
    EXPECT_EQ(registry.Create("rsv", {}), nullptr);
    registry.Register("rsv", "Reserveringen", &MaakA);
    registry.Unregister("rsv");
    EXPECT_EQ(registry.Find("rsv"), nullptr);
    EXPECT_EQ(registry.Create("rsv", {}), nullptr);
}

}  // namespace
