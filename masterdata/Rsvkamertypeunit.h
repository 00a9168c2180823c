#pragma once
// The list of room types; hosted through "rsv_kamertype", modal through RsvDlgKamerType.

#include "frame/HostedForm.h"

class TfrmRsvKamerType : public THostedForm<TfrmRsvKamerType> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvKamerType(QWidget* owner, TChildWindowManager* manager);
};
