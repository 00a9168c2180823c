#include <gtest/gtest.h>
#include <QApplication>
#include <QTemporaryDir>

#include "host/base/AdminDir.h"
#include "host/ui/Messages.h"
#include "host/ui/ModalShow.h"
#include "host/ui/TForm.h"

namespace {

// Offscreen nobody presses a button: a message box or modal form that no test
// scripted would wait forever. It fails the test instead and is dismissed.
int OnverwachtBericht(const MsgRequest& bericht)
{
    ADD_FAILURE() << "unexpected message: " << bericht.tekst.toStdString();
    return bericht.knoppen == msg::mbYesNo ? msg::idNo : msg::idOK;
}

int OnverwachtFormulier(TForm& form)
{
    ADD_FAILURE() << "unexpected modal form: " << form.Caption().toStdString();
    return mrCancel;
}

}

// Forms need an application object; tests run with the offscreen platform.
// A test that opens a form without an administration of its own must still
// never write into the working directory or the user's settings: both point
// at a directory that is removed when the tests end.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QTemporaryDir plek;
    qputenv("RSV_MACHINE_CONFIG", (plek.path() + "/werkplek").toUtf8());
    ZetAdminDir(plek.path());
    const MsgResponderScope berichten(OnverwachtBericht);
    const ModalResponderScope formulieren(OnverwachtFormulier);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
