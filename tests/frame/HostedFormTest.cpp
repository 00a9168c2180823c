#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPointer>

#include "tests/frame/FormTypes.h"
#include "tests/frame/RecordingManager.h"

namespace {

void FreeClosedForms()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <class Form>
class HostedForm : public testing::Test {};
TYPED_TEST_SUITE(HostedForm, AlleFormulieren);

TYPED_TEST(HostedForm, RegistersOnShowReportsActivationAndFreesItselfOnClose)
{
    RecordingManager manager;
    QPointer<TypeParam> form = new TypeParam(nullptr, &manager);
    const QString id = form->IdentityName();
    EXPECT_TRUE(manager.calls.isEmpty()) << "nothing before the form shows";

    form->show();
    form->show();  // showing again must not register twice
    QApplication::setActiveWindow(form);
    QApplication::setActiveWindow(nullptr);
    EXPECT_EQ(manager.calls, QStringList({"register " + id, "activate " + id, "deactivate " + id}));

    form->close();
    EXPECT_EQ(manager.calls.last(), "unregister " + id);
    FreeClosedForms();
    EXPECT_TRUE(form.isNull());
}

TYPED_TEST(HostedForm, AdapterAnswersForItsForm)
{
    RecordingManager manager;
    TypeParam form(nullptr, &manager);
    AbstractChldAPI* api = form.Api();
    ASSERT_NE(api, nullptr);

    EXPECT_EQ(api->Tag(), 0);
    EXPECT_EQ(api->Form(), &form);
    EXPECT_EQ(api->IdentityName(), form.IdentityName());
    api->SetCaption("Andere titel");
    EXPECT_EQ(form.Caption(), "Andere titel");
    EXPECT_EQ(api->Caption(), "Andere titel");

    // Only the reservation overview has menu entries; its own tests cover them.
    QMenu menu;
    api->AddMenuItems(menu);
    EXPECT_EQ(menu.isEmpty(), (!std::is_same_v<TypeParam, TfrmRsvZoekRes>));
}

TYPED_TEST(HostedForm, StandAloneFormHasNoAdapterAndIsNotFreedOnClose)
{
    QPointer<TypeParam> form = new TypeParam(nullptr, nullptr);
    EXPECT_FALSE(form->IsHosted());
    EXPECT_EQ(form->Api(), nullptr);
    form->show();
    form->close();
    FreeClosedForms();
    ASSERT_FALSE(form.isNull());
    delete form;
}

TEST(HostedFormAdapter, BringToFrontRestoresAMinimisedForm)
{
    RecordingManager manager;
    TfrmRsvKamer form(nullptr, &manager);
    form.showMinimized();
    form.Api()->BringToFront();
    EXPECT_FALSE(form.isMinimized());
    EXPECT_TRUE(form.isVisible());
}

TEST(HostedFormAdapter, CloseThroughTheAdapterUnregistersAndFrees)
{
    RecordingManager manager;
    QPointer<TfrmRsvPeriode> form = new TfrmRsvPeriode(nullptr, &manager);
    form->show();
    form->Api()->Close();
    EXPECT_EQ(manager.calls.last(), "unregister RsvPeriode");
    FreeClosedForms();
    EXPECT_TRUE(form.isNull());
}

}  // namespace
