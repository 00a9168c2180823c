#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <memory>

#include "host/ui/HoofdVenster.h"
#include "host/ui/ModuleCallRequest.h"
#include "tests/frame/FormTypes.h"
#include "tests/frame/RecordingManager.h"

namespace {

// Stands in for the host's main window: keeps every call request it gets.
class Ontvanger : public QWidget {
public:
    Ontvanger() { ZetHoofdVenster(this); }
    ~Ontvanger() override { ZetHoofdVenster(nullptr); }

    std::vector<std::unique_ptr<ModuleCallRequest>> requests;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != ModuleCallEvent::kType)
            return QWidget::event(e);
        requests.push_back(static_cast<ModuleCallEvent*>(e)->TakeRequest());
        return true;
    }
};

void Deliver()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(CallRequest, BoardAsksForTheCheckInListOfAReservationAtItsStartDate)
{
    Ontvanger host;
    TfrmRsvOvRes board(nullptr, nullptr);
    board.ZetStartDatum(EncodeDate(2026, 6, 1));
    EXPECT_TRUE(board.VraagInCheckNieuw(JaarNr(2026, 12)));
    EXPECT_TRUE(host.requests.empty()) << "posted, not sent";
    Deliver();

    ASSERT_EQ(host.requests.size(), 1u);
    ModuleCallRequest& r = *host.requests.front();
    EXPECT_EQ(r.packageFile, "reservering.bpl");
    EXPECT_EQ(r.functionName, "_InCheckNieuw");
    EXPECT_EQ(*static_cast<JaarNr*>(r.arg1), JaarNr(2026, 12));
    EXPECT_EQ(*static_cast<TDateTime*>(r.arg2), EncodeDate(2026, 6, 1));
}

TEST(CallRequest, HostedCheckInListHandsTheUserBackToTheBoardWhenItCloses)
{
    Ontvanger host;
    RecordingManager manager;
    QPointer<TfrmRsvInCheck> form = new TfrmRsvInCheck(nullptr, &manager);
    form->ZetDatum(EncodeDate(2026, 2, 14));
    form->show();
    form->close();
    Deliver();

    EXPECT_TRUE(form.isNull());
    ASSERT_EQ(host.requests.size(), 1u);
    ModuleCallRequest& r = *host.requests.front();
    EXPECT_EQ(r.packageFile, "Reservering.bpl");
    EXPECT_EQ(r.functionName, "_OverzichtReserveringen");
    EXPECT_EQ(*static_cast<TDateTime*>(r.arg1), EncodeDate(2026, 2, 14));
    EXPECT_EQ(r.arg2, nullptr);
    EXPECT_EQ(manager.calls.last(), "unregister RsvInCheck");
}

TEST(CallRequest, ModalCheckInListAsksNothingWhenItCloses)
{
    Ontvanger host;
    TfrmRsvInCheck form(nullptr, nullptr);
    form.show();
    form.close();
    Deliver();
    EXPECT_TRUE(host.requests.empty());
}

// Without a host window nobody can answer: the request and its arguments are
// dropped (a sanitized run shows they are freed).
TEST(CallRequest, WithoutAMainWindowTheRequestIsDropped)
{
    ZetHoofdVenster(nullptr);
    TfrmRsvOvRes board(nullptr, nullptr);
    EXPECT_FALSE(board.VraagInCheckNieuw(JaarNr(2026, 1)));
}

TEST(CallRequest, ArgumentsAreFreedWithTheRequestUntilTheCalleeTakesThem)
{
    auto request = ModuleCallRequest::Make("p", "_f", std::make_unique<QObject>(), std::make_unique<QObject>());
    QPointer<QObject> arg1 = static_cast<QObject*>(request->arg1);
    QPointer<QObject> arg2 = static_cast<QObject*>(request->arg2);
    request.reset();
    EXPECT_TRUE(arg1.isNull());
    EXPECT_TRUE(arg2.isNull());

    request = ModuleCallRequest::Make("p", "_f", std::make_unique<QObject>());
    std::unique_ptr<QObject> genomen(static_cast<QObject*>(request->arg1));
    request->ArgsTaken();
    request.reset();
    QPointer<QObject> nogDa = genomen.get();
    EXPECT_FALSE(nogDa.isNull());
}

}  // namespace
