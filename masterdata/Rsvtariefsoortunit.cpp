#include "masterdata/Rsvtariefsoortunit.h"

TfrmRsvTariefSoort::TfrmRsvTariefSoort(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvTariefSoort"))
{
    SetCaption(QStringLiteral("Tariefsoorten"));
}
