#include "host/ui/JaarNrDialog.h"

#include "host/base/HuidigeDatum.h"
#include "host/ui/ModalShow.h"

JaarNrDialog::JaarNrDialog(QWidget* owner, const QString& caption)
    : QObject(owner), owner_(owner), caption_(caption)
{
}

void JaarNrDialog::SetMaxAantal(int maxAantal)
{
    maxAantal_ = maxAantal;
    if (open_)
        open_->ZetMaxAantal(maxAantal);
}

bool JaarNrDialog::Execute()
{
    TfrmJaarNr form(owner_);
    form.SetCaption(caption_);
    form.ZetMaxAantal(maxAantal_);
    // No value yet: start in the current year.
    form.ZetWaarde(waarde_.IsLeeg() ? JaarNr(HuidigeDatum::Object().Jaar(), 1) : waarde_);
    open_ = &form;
    connect(&form, &TfrmJaarNr::JaarGewijzigd, this, &JaarNrDialog::OnChangeJaar);
    const bool gekozen = ShowModal(form) == mrOk;
    open_ = nullptr;
    if (gekozen)
        waarde_ = form.Waarde();
    return gekozen;
}
