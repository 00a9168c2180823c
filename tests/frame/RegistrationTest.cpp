#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <memory>

#include "frame/Registratie.h"
#include "host/printing/LayoutRegistry.h"
#include "host/ui/AbstractChldAPI.h"
#include "host/ui/HoofdVenster.h"
#include "host/ui/TForm.h"
#include "reports/DBReservering.h"
#include "tests/frame/RecordingManager.h"

namespace {

struct Registered {
    void* context;
    QString key;
    TOpenFunc open;
};

std::vector<Registered>& Log()
{
    static std::vector<Registered> log;
    return log;
}

bool Record(void* context, const QString& key, TOpenFunc open)
{
    Log().push_back({context, key, open});
    return false;  // the module must not care
}

std::vector<Registered> RegisterAll(void* context)
{
    Log().clear();
    EXPECT_TRUE(RegisterFunc(&Record, context));
    return Log();
}

TEST(Registration, FunctionsInFixedOrderWithTheHostsContext)
{
    int context = 0;
    const auto log = RegisterAll(&context);
    const QStringList expected{"rsv_tariefsoort", "rsv_kamertype", "rsv_periode", "rsv_kamer",
                               "rsv_invres",      "rsv_ovres",     "rsv_ovmanag", "rsv_logboek",
                               "rsv_aankvertrek"};
    ASSERT_EQ(log.size(), 9u);
    for (size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(log[i].key, expected[int(i)]);
        EXPECT_EQ(log[i].context, &context);
        EXPECT_NE(log[i].open, nullptr);
    }
}

TEST(Registration, PrintLayoutIsThereOnLoadAndRegisteredAgainByRegisterFunc)
{
    auto& registry = Printing::LayoutRegistry::GetObject();
    ASSERT_NE(registry.Find("rsv"), nullptr);
    EXPECT_EQ(registry.Find("rsv")->title, "Reserveringen");

    registry.Unregister("rsv");
    RegisterAll(nullptr);
    RegisterAll(nullptr);
    EXPECT_EQ(registry.Keys().count("rsv"), 1);
    auto bron = registry.Create("rsv", "genegeerd");
    EXPECT_NE(dynamic_cast<DBReservering*>(bron.get()), nullptr);
}

struct OpenCase {
    const char* key;
    const char* caption;
    const char* identity;
};

void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.key; }

class OpenFunction : public testing::TestWithParam<OpenCase> {};

// Each open function shows a new hosted form owned by the host's main window.
TEST_P(OpenFunction, ShowsItsFormHostedByTheManager)
{
    QWidget hoofdVenster;
    ZetHoofdVenster(&hoofdVenster);
    RecordingManager manager;
    for (const Registered& r : RegisterAll(nullptr))
        if (r.key == GetParam().key)
            r.open(&manager);
    ZetHoofdVenster(nullptr);

    ASSERT_EQ(manager.registered.size(), 1u);
    AbstractChldAPI* api = manager.registered.front();
    EXPECT_EQ(api->Caption(), GetParam().caption);
    EXPECT_EQ(api->IdentityName(), GetParam().identity);
    QPointer<TForm> form = api->Form();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isModal());
    EXPECT_EQ(form->parentWidget(), &hoofdVenster);
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    AllKeys, OpenFunction,
    testing::Values(OpenCase{"rsv_tariefsoort", "Tariefsoorten", "RsvTariefSoort"},
                    OpenCase{"rsv_kamertype", "Kamertypes", "RsvKamerType"},
                    OpenCase{"rsv_periode", "Periodes", "RsvPeriode"},
                    OpenCase{"rsv_kamer", "Kamers", "RsvKamer"},
                    OpenCase{"rsv_invres", "Nieuwe reservering", "RsvInvRes"},
                    OpenCase{"rsv_ovres", "Reserveringen", "RsvOvRes"},
                    OpenCase{"rsv_ovmanag", "Management overzicht", "RsvOvManag"},
                    OpenCase{"rsv_logboek", "Logboek", "RsvLogboek"},
                    OpenCase{"rsv_aankvertrek", "Aankomsten en vertrekken", "RsvAankVertrek"}),
    [](const auto& info) { return std::string(info.param.key); });

}  // namespace
