#include "board/Rsvovresunit.h"

#include <memory>

#include "host/base/HuidigeDatum.h"
#include "host/ui/ModuleCallRequest.h"

TfrmRsvOvRes::TfrmRsvOvRes(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvOvRes")),
      startDatum_(HuidigeDatum::Object().Huidige())
{
    SetCaption(QStringLiteral("Reserveringen"));
    if (!IsHosted()) {
        setWindowFlag(Qt::FramelessWindowHint);
        setWindowState(Qt::WindowFullScreen);
    }
}

bool TfrmRsvOvRes::VraagInCheckNieuw(JaarNr reservering) const
{
    return PostModuleCallRequest(ModuleCallRequest::Make(
        QStringLiteral("reservering.bpl"), QStringLiteral("_InCheckNieuw"),
        std::make_unique<JaarNr>(reservering), std::make_unique<TDateTime>(startDatum_)));
}
