#pragma once
// The list of rooms; hosted through "rsv_kamer", modal through RsvDlgKamer.

#include <vector>

#include "host/brlib/Kamer.h"
#include "masterdata/StamLijstForm.h"

class TfrmRsvKamer : public TStamLijstForm<TfrmRsvKamer> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvKamer(QWidget* owner, TChildWindowManager* manager);

    const std::vector<brlib::stKamer>& Lijst() const { return lijst_; }

protected:
    void LeesLijst() override;
    void Nieuw() override;
    void Wijzig(int rij) override;
    void Verwijder(int rij) override;

private:
    void ToonLijst(int focusRij);
    // The dialog on `kamer` and, on OK, the write path; true when written.
    bool Bewerk(brlib::stKamer& kamer);

    std::vector<brlib::stKamer> lijst_;
};
