#include "masterdata/Rsvperiodeunit.h"

TfrmRsvPeriode::TfrmRsvPeriode(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvPeriode"))
{
    SetCaption(QStringLiteral("Periodes"));
}
