#include "masterdata/Rsvkamerunit.h"

TfrmRsvKamer::TfrmRsvKamer(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvKamer"))
{
    SetCaption(QStringLiteral("Kamers"));
}
