#pragma once
// The occupancy overview by day, week, month or year; hosted through "rsv_ovmanag".

#include "frame/HostedForm.h"

class TfrmRsvOvManag : public THostedForm<TfrmRsvOvManag> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvOvManag(QWidget* owner, TChildWindowManager* manager);
};
