#include "reservation/Rsvzoekresunit.h"

TfrmRsvZoekRes::TfrmRsvZoekRes(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvZoekRes"))
{
    SetCaption(QStringLiteral("Overzicht reserveringen"));
}
