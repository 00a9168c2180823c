#include "reservation/Rsvinvresunit.h"

TfrmRsvInvRes::TfrmRsvInvRes(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvInvRes"))
{
    SetCaption(QStringLiteral("Nieuwe reservering"));
}
