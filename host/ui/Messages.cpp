#include "host/ui/Messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

MsgResponder& Responder()
{
    static MsgResponder responder;
    return responder;
}

QMessageBox::Icon IconOf(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Error: return QMessageBox::Critical;
    case MsgKind::Warning: return QMessageBox::Warning;
    case MsgKind::Info: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

int ShowBox(const MsgRequest& request)
{
    QMessageBox box(IconOf(request.kind), request.titel, request.tekst, QMessageBox::NoButton,
                    QApplication::activeWindow());
    if (request.knoppen == msg::mbYesNo) {
        QPushButton* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        box.addButton(QStringLiteral("Nee"), QMessageBox::NoRole);
        box.setDefaultButton(ja);
        box.exec();
        return box.clickedButton() == ja ? msg::idYes : msg::idNo;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return msg::idOK;
}

int Show(MsgKind kind, const QString& tekst, const QString& titel, int knoppen)
{
    const MsgRequest request{kind, tekst, titel, knoppen};
    if (Responder())
        return Responder()(request);
    return ShowBox(request);
}

}  // namespace

int ErrorMsg(const QString& tekst, const QString& titel, int knoppen)
{
    return Show(MsgKind::Error, tekst, titel, knoppen);
}

int WarningMsg(const QString& tekst, const QString& titel, int knoppen)
{
    return Show(MsgKind::Warning, tekst, titel, knoppen);
}

int InfoMsg(const QString& tekst, const QString& titel, int knoppen)
{
    return Show(MsgKind::Info, tekst, titel, knoppen);
}

MsgResponderScope::MsgResponderScope(MsgResponder responder) : vorige_(std::move(Responder()))
{
    Responder() = std::move(responder);
}

MsgResponderScope::~MsgResponderScope()
{
    Responder() = std::move(vorige_);
}
