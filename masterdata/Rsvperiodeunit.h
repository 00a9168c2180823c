#pragma once
// The periods of a year and their rates; hosted through "rsv_periode", modal through RsvDlgPeriode.

#include "frame/HostedForm.h"

class TfrmRsvPeriode : public THostedForm<TfrmRsvPeriode> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvPeriode(QWidget* owner, TChildWindowManager* manager);
};
