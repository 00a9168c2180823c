#pragma once
// The room list for new reservations; opened hosted through "rsv_invres".

#include "frame/HostedForm.h"

class TfrmRsvInvRes : public THostedForm<TfrmRsvInvRes> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvInvRes(QWidget* owner, TChildWindowManager* manager);
};
