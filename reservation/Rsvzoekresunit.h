#pragma once
// The reservation overview: hosted through ZoekReservering, or a picking dialog.

#include "frame/HostedForm.h"

class TfrmRsvZoekRes : public THostedForm<TfrmRsvZoekRes> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvZoekRes(QWidget* owner, TChildWindowManager* manager);
};
