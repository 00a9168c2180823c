#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QPointer>

#include "board/Rsvovresunit.h"
#include "checkin/Rsvincheckunit.h"
#include "host/app/HostWindow.h"
#include "host/app/ModulePackage.h"
#include "host/ui/AbstractChldAPI.h"
#include "host/ui/ModuleCallRequest.h"
#include "tests/support/ScriptedMessages.h"

namespace {

// The host as rsvhost builds it: the package loaded the way the program does.
class HostWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        QString fout;
        ASSERT_TRUE(package.Load(QCoreApplication::applicationDirPath(), fout)) << fout.toStdString();
        window = std::make_unique<HostWindow>(package);
    }

    void TearDown() override
    {
        if (window)
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::vector<AbstractChldAPI*> Children() { return window->Manager().Children(); }

    static void Deliver()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ModulePackage package;
    std::unique_ptr<HostWindow> window;
};

TEST_F(HostWindowTest, MenuOffersTheRegisteredFunctionsAndTheOverview)
{
    QMenu* menu = window->menuBar()->actions().first()->menu();
    QStringList captions;
    QAction* overzicht = nullptr;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator())
            captions << a->text();
        if (a->text() == "Overzicht reserveringen")
            overzicht = a;
    }
    EXPECT_EQ(captions, QStringList({"Tariefsoorten", "Kamertypes", "Periodes", "Kamers", "Nieuwe reservering",
                                     "Planbord", "Management overzicht", "Logboek", "Aankomsten en vertrekken",
                                     "Overzicht reserveringen", "Afsluiten"}));

    overzicht->trigger();
    ASSERT_EQ(Children().size(), 1u);
    EXPECT_EQ(Children().front()->IdentityName(), "RsvZoekRes");
}

TEST_F(HostWindowTest, BoardsCallRequestOpensTheCheckInListInTheHost)
{
    ScriptedMessages geenReservering;  // the list says that this administration holds no such reservation
    ASSERT_TRUE(window->Open("rsv_ovres"));
    auto* board = dynamic_cast<TfrmRsvOvRes*>(Children().front()->Form());
    ASSERT_NE(board, nullptr);
    board->ZetStartDatum(EncodeDate(2026, 4, 6));
    ASSERT_TRUE(board->VraagInCheckNieuw(JaarNr(2026, 77)));
    Deliver();

    ASSERT_EQ(Children().size(), 2u);
    auto* inCheck = dynamic_cast<TfrmRsvInCheck*>(Children().back()->Form());
    ASSERT_NE(inCheck, nullptr);
    EXPECT_TRUE(inCheck->IsHosted());
    EXPECT_EQ(inCheck->Reservering(), JaarNr(2026, 77));
    EXPECT_EQ(inCheck->Datum(), EncodeDate(2026, 4, 6));
    EXPECT_EQ(inCheck->parentWidget(), window.get());
}

// The round trip back: closing the hosted check-in list reopens the board at its date.
TEST_F(HostWindowTest, ClosingTheCheckInListReopensTheBoard)
{
    ScriptedMessages geenReservering;  // the list says that this administration holds no such reservation
    ASSERT_TRUE(PostModuleCallRequest(ModuleCallRequest::Make("Reservering.bpl", "_InCheckNieuw",
                                                              std::make_unique<JaarNr>(2026, 3),
                                                              std::make_unique<TDateTime>(EncodeDate(2026, 9, 9)))));
    Deliver();
    ASSERT_EQ(Children().size(), 1u);
    Children().front()->Close();
    Deliver();

    ASSERT_EQ(Children().size(), 1u);
    auto* board = dynamic_cast<TfrmRsvOvRes*>(Children().front()->Form());
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->StartDatum(), EncodeDate(2026, 9, 6)) << "the first day (Sunday) of the check-in's week";
}

TEST_F(HostWindowTest, RequestForAnUnknownFunctionOrPackageIsReportedAndOpensNothing)
{
    ScriptedMessages meldingen;
    PostModuleCallRequest(ModuleCallRequest::Make("Reservering.bpl", "_BestaatNiet", std::make_unique<JaarNr>()));
    PostModuleCallRequest(ModuleCallRequest::Make("Kassa.bpl", "_InCheckNieuw", std::make_unique<JaarNr>()));
    Deliver();

    EXPECT_TRUE(Children().empty());
    ASSERT_EQ(meldingen.Gezien().size(), 2u);
    EXPECT_EQ(meldingen.Gezien()[0].kind, MsgKind::Error);
    EXPECT_TRUE(meldingen.Gezien()[0].tekst.contains("_BestaatNiet"));
    EXPECT_TRUE(meldingen.Gezien()[1].tekst.contains("Kassa.bpl"));
}

TEST_F(HostWindowTest, TabsFollowTheHostedFormsAndClosingTheHostClosesThem)
{
    ASSERT_TRUE(window->Open("rsv_kamer"));
    ASSERT_TRUE(window->Open("rsv_periode"));
    EXPECT_FALSE(window->Open("rsv_onbekend"));
    ChildWindowTabs& tabs = window->Manager();
    ASSERT_EQ(tabs.count(), 2);
    EXPECT_EQ(tabs.tabText(0), "Kamers");

    Children().front()->SetCaption("Kamers (2026)");
    EXPECT_EQ(tabs.tabText(0), "Kamers (2026)");

    QPointer<TForm> periode = Children().back()->Form();
    emit tabs.tabCloseRequested(1);
    Deliver();
    EXPECT_TRUE(periode.isNull());
    EXPECT_EQ(tabs.count(), 1);

    EXPECT_TRUE(window->close());
    EXPECT_EQ(tabs.count(), 0);
}

// Closing the host closes a check-in list, which asks for the board: the host
// that is going away opens nothing more.
TEST_F(HostWindowTest, ClosingTheHostOpensNoFormAskedForOnTheWay)
{
    ScriptedMessages geenReservering;  // the list says that this administration holds no such reservation
    ASSERT_TRUE(PostModuleCallRequest(ModuleCallRequest::Make("Reservering.bpl", "_InCheckNieuw",
                                                              std::make_unique<JaarNr>(2026, 3),
                                                              std::make_unique<TDateTime>(EncodeDate(2026, 9, 9)))));
    Deliver();
    ASSERT_EQ(Children().size(), 1u);
    EXPECT_TRUE(window->close());
    Deliver();
    EXPECT_TRUE(Children().empty());
}

// The program can end with forms open (a screenshot run does): they go with
// the host window, also the active one, without calling the gone manager.
TEST_F(HostWindowTest, FormsStillOpenGoWithTheHostWindow)
{
    ASSERT_TRUE(window->Open("rsv_kamertype"));
    QPointer<TForm> form = Children().front()->Form();
    QApplication::setActiveWindow(form);
    window.reset();
    EXPECT_TRUE(form.isNull());
}

}  // namespace
