#include "masterdata/Rsvkamertypeunit.h"

TfrmRsvKamerType::TfrmRsvKamerType(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvKamerType"))
{
    SetCaption(QStringLiteral("Kamertypes"));
}
