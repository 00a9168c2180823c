#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <functional>

#include "frame/BordVenstersFrame.h"
#include "frame/DialogFuncties.h"
#include "frame/EntryPoints.h"
#include "host/ui/ModalShow.h"
#include "reports/Rsvovrapportunit.h"
#include "reservation/Rsvresgegunit.h"
#include "tests/frame/FormTypes.h"
#include "tests/support/ScriptedMessages.h"

namespace {

// Runs `dialog` with a modal responder that keeps the form it is shown and
// answers OK; returns what the form looked like, and checks it is gone after.
struct Shown {
    int count = 0;
    QPointer<TForm> form;
    QString caption;
};

template <class Form>
bool WithoutManager(TForm& form)
{
    auto* typed = dynamic_cast<Form*>(&form);
    return typed && !typed->IsHosted() && typed->Api() == nullptr;
}

Shown RunDialog(const std::function<void()>& dialog, const std::function<void(TForm&)>& inspect = {})
{
    Shown shown;
    {
        ModalResponderScope responder([&](TForm& form) {
            ++shown.count;
            shown.form = &form;
            shown.caption = form.Caption();
            if (inspect)
                inspect(form);
            return mrOk;
        });
        dialog();
    }
    EXPECT_EQ(shown.count, 1);
    EXPECT_TRUE(shown.form.isNull()) << "the dialog function deletes its form";
    return shown;
}

TEST(DialogFunction, TheDetailsDialogShowsTheReservationStandAloneAndReturnsItsResult)
{
    QWidget owner;
    ScriptedMessages berichten;
    int resultaat = 0;
    const Shown shown = RunDialog([&] { resultaat = RsvDlgReserveringsGegevens(&owner, JaarNr(2026, 1), true); },
                                  [&](TForm& form) {
                                      auto* details = dynamic_cast<TfrmRsvResGeg*>(&form);
                                      ASSERT_TRUE(WithoutManager<TfrmRsvResGeg>(form));
                                      EXPECT_EQ(form.parentWidget(), &owner);
                                      form.show();  // the reservation does not exist: the form says so
                                      EXPECT_EQ(details->GetModus(), TfrmRsvResGeg::mdRaadplegen);
                                  });
    EXPECT_EQ(resultaat, mrOk);
}

TEST(DialogFunction, TheBoardsReportsOpenModalOverTheBoard)
{
    QWidget owner;
    const Shown shown = RunDialog([&] { FrameBordVensters().Rapportage(&owner); }, [&](TForm& form) {
        EXPECT_TRUE(WithoutManager<TfrmRsvOvRapport>(form));
        EXPECT_EQ(form.parentWidget(), &owner);
    });
    EXPECT_EQ(shown.caption, QStringLiteral("Overzichten / rapportage"));
}

TEST(DialogFunction, MasterDataDialogsShowTheirListFormModal)
{
    QWidget owner;
    const std::vector<std::pair<std::function<void()>, QString>> cases{
        {[&] { RsvDlgKamer(&owner); }, "Kamers"},
        {[&] { RsvDlgKamerType(&owner); }, "Kamertypes"},
        {[&] { RsvDlgTariefSoort(&owner); }, "Tariefsoorten"},
        {[&] { RsvDlgPeriode(&owner); }, "Periodes"},
        {[&] { ExternRsvDlgKamer(&owner); }, "Kamers"},
        {[&] { ExternRsvDlgKamerType(&owner); }, "Kamertypes"},
        {[&] { ExternRsvDlgTariefSoort(&owner); }, "Tariefsoorten"},
        {[&] { ExternRsvDlgPeriode(&owner); }, "Periodes"},
    };
    for (const auto& [dialog, caption] : cases) {
        bool eigenaarGoed = false;
        const Shown shown = RunDialog(dialog, [&](TForm& form) { eigenaarGoed = form.parentWidget() == &owner; });
        EXPECT_EQ(shown.caption, caption);
        EXPECT_TRUE(eigenaarGoed) << caption.toStdString();
    }
}

TEST(DialogFunction, BoardDialogTakesAStartCheckInOnlyWhenOneIsGiven)
{
    const std::vector<std::pair<std::function<void()>, JaarNr>> cases{
        {[] { RsvDlgReserveringsOverzicht(nullptr, JaarNr(2026, 7)); }, JaarNr(2026, 7)},
        {[] { ExternRsvDlgReserveringsIncheck(nullptr, JaarNr(2025, 310)); }, JaarNr(2025, 310)},
        {[] { ExternRsvDlgReserveringsIncheck(nullptr, JaarNr(0, 0)); }, JaarNr(0, 0)},
        {[] { ExternRsvDlgReserveringsOverzicht(nullptr); }, JaarNr(0, 0)},
    };
    for (const auto& [dialog, expected] : cases) {
        JaarNr startInCheck(-1, -1);
        bool standAlone = false;
        RunDialog(dialog, [&](TForm& form) {
            auto& board = dynamic_cast<TfrmRsvOvRes&>(form);
            startInCheck = board.StartInCheck();
            standAlone = WithoutManager<TfrmRsvOvRes>(form) && board.isMaximized();
        });
        EXPECT_EQ(startInCheck, expected);
        EXPECT_TRUE(standAlone);
    }
}

TEST(DialogFunction, InUitCheckenHandsReservationDateAndFocusToTheForm)
{
    const TDateTime datum = EncodeDate(2026, 8, 1);
    TfrmRsvInCheck* gezien = nullptr;
    JaarNr reservering, focus;
    TDateTime formDatum = 0;
    const Shown shown = RunDialog([&] { RsvDlgInUitChecken(JaarNr(2026, 5), datum, nullptr, JaarNr(2026, 9)); },
                                  [&](TForm& form) {
                                      gezien = dynamic_cast<TfrmRsvInCheck*>(&form);
                                      ASSERT_TRUE(gezien && WithoutManager<TfrmRsvInCheck>(form));
                                      reservering = gezien->Reservering();
                                      focus = gezien->FocusInCheck();
                                      formDatum = gezien->Datum();
                                  });
    EXPECT_EQ(shown.caption, "In- en uitchecken");
    EXPECT_EQ(reservering, JaarNr(2026, 5));
    EXPECT_EQ(focus, JaarNr(2026, 9));
    EXPECT_EQ(formDatum, datum);
}

// Closing a dialog form (the user's close button) must not free it: the
// dialog function still owns it and deletes it after the modal show.
TEST(DialogFunction, ClosingTheModalFormLeavesItToTheFunction)
{
    bool nogDaNaSluiten = false;
    RunDialog([] { RsvDlgKamer(nullptr); },
              [&](TForm& form) {
                  QPointer<TForm> p(&form);
                  form.show();
                  form.close();
                  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                  nogDaNaSluiten = !p.isNull();
              });
    EXPECT_TRUE(nogDaNaSluiten);
}

}  // namespace
