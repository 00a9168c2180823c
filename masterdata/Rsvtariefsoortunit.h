#pragma once
// The list of rate types; hosted through "rsv_tariefsoort", modal through RsvDlgTariefSoort.

#include "frame/HostedForm.h"

class TfrmRsvTariefSoort : public THostedForm<TfrmRsvTariefSoort> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvTariefSoort(QWidget* owner, TChildWindowManager* manager);
};
