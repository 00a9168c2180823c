#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>

#include "frame/EntryPoints.h"
#include "host/base/TDateTime.h"
#include "host/ui/HoofdVenster.h"
#include "tests/frame/FormTypes.h"
#include "tests/frame/RecordingManager.h"
#include "tests/support/ScriptedMessages.h"

namespace {

// Closes a hosted form the way a user does and lets it free itself.
void CloseHosted(QPointer<TForm> form)
{
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
}

// The heap arguments are deleted by the entry point: a sanitized run reports
// a leak if they are kept, and a double free if they are deleted twice.
TEST(EntryPoint, InCheckNieuwTakesTheReservationAndDateAndShowsHosted)
{
    QWidget hoofdVenster;
    ZetHoofdVenster(&hoofdVenster);
    RecordingManager manager;
    const TDateTime datum = EncodeDate(2026, 12, 24);
    ScriptedMessages berichten;
    TForm* form = InCheckNieuw(&manager, new JaarNr(2026, 42), new TDateTime(datum));
    ZetHoofdVenster(nullptr);
    EXPECT_EQ(berichten.Laatste().tekst, "Reservering 26/00042 bestaat niet.") << "the list reads it when it shows";

    auto* inCheck = dynamic_cast<TfrmRsvInCheck*>(form);
    ASSERT_NE(inCheck, nullptr);
    EXPECT_EQ(inCheck->Reservering(), JaarNr(2026, 42));
    EXPECT_EQ(inCheck->Datum(), datum);
    EXPECT_EQ(inCheck->Caption(), "In- en uitchecken");
    EXPECT_EQ(inCheck->parentWidget(), &hoofdVenster);
    EXPECT_TRUE(inCheck->isVisible());
    EXPECT_EQ(manager.calls, QStringList{"register RsvInCheck"});
    CloseHosted(form);
}

TEST(EntryPoint, OverzichtReserveringenStartsTheBoardAtTheGivenDate)
{
    RecordingManager manager;
    const TDateTime datum = EncodeDate(2027, 3, 17);
    TForm* form = OverzichtReserveringen(&manager, new TDateTime(datum));

    auto* board = dynamic_cast<TfrmRsvOvRes*>(form);
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->StartDatum(), EncodeDate(2027, 3, 14)) << "the first day (Sunday) of the given week";
    EXPECT_EQ(board->StartInCheck(), JaarNr(0, 0));
    EXPECT_TRUE(board->IsHosted());
    EXPECT_FALSE(board->isMaximized()) << "only the stand-alone board takes the screen";
    EXPECT_EQ(manager.calls, QStringList{"register RsvOvRes"});
    CloseHosted(form);
}

TEST(EntryPoint, ZoekReserveringShowsTheOverviewHosted)
{
    RecordingManager manager;
    TForm* form = ZoekReservering(&manager);
    auto* zoek = dynamic_cast<TfrmRsvZoekRes*>(form);
    ASSERT_NE(zoek, nullptr);
    EXPECT_EQ(zoek->Caption(), "Overzicht reserveringen");
    EXPECT_EQ(manager.calls, QStringList{"register RsvZoekRes"});
    CloseHosted(form);
}

// A host without a window manager still gets working, self-freeing forms.
TEST(EntryPoint, WithoutManagerTheFormIsStandAlone)
{
    QPointer<TForm> form = OverzichtReserveringen(nullptr, new TDateTime(EncodeDate(2026, 1, 5)));
    auto* board = dynamic_cast<TfrmRsvOvRes*>(form.data());
    ASSERT_NE(board, nullptr);
    EXPECT_FALSE(board->IsHosted());
    EXPECT_TRUE(board->isMaximized());
    delete form;
}

TEST(EntryPoint, MissingArgumentsLeaveTheFormsDefaults)
{
    RecordingManager manager;
    TForm* form = InCheckNieuw(&manager, nullptr, nullptr);
    auto* inCheck = dynamic_cast<TfrmRsvInCheck*>(form);
    ASSERT_NE(inCheck, nullptr);
    EXPECT_EQ(inCheck->Reservering(), JaarNr(0, 0));
    EXPECT_EQ(inCheck->Datum(), TfrmRsvInCheck(nullptr, nullptr).Datum());
    CloseHosted(form);
}

}  // namespace
