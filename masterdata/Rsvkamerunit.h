#pragma once
// The list of rooms; hosted through "rsv_kamer", modal through RsvDlgKamer.

#include "frame/HostedForm.h"

class TfrmRsvKamer : public THostedForm<TfrmRsvKamer> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvKamer(QWidget* owner, TChildWindowManager* manager);
};
