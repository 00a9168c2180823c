#include "checkin/Rsvincheckunit.h"

#include <memory>

#include "host/base/HuidigeDatum.h"
#include "host/ui/ModuleCallRequest.h"

TfrmRsvInCheck::TfrmRsvInCheck(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvInCheck")),
      datum_(HuidigeDatum::Object().Huidige())
{
    SetCaption(QStringLiteral("In- en uitchecken"));
}

bool TfrmRsvInCheck::VraagOverzichtReserveringen() const
{
    return PostModuleCallRequest(ModuleCallRequest::Make(QStringLiteral("Reservering.bpl"),
                                                         QStringLiteral("_OverzichtReserveringen"),
                                                         std::make_unique<TDateTime>(datum_)));
}

void TfrmRsvInCheck::FormClose(TCloseAction& action)
{
    // A hosted list hands the user back to the board it came from.
    if (IsHosted())
        VraagOverzichtReserveringen();
    THostedForm::FormClose(action);
}
