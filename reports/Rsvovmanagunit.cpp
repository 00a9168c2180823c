#include "reports/Rsvovmanagunit.h"

TfrmRsvOvManag::TfrmRsvOvManag(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvOvManag"))
{
    SetCaption(QStringLiteral("Management overzicht"));
}
