#pragma once
// The list of rate types; hosted through "rsv_tariefsoort", modal through RsvDlgTariefSoort.
// Row 0 is the standard rate type, which can be neither changed nor removed.

#include <vector>

#include "host/brlib/TariefSoort.h"
#include "masterdata/StamLijstForm.h"

class TfrmRsvTariefSoort : public TStamLijstForm<TfrmRsvTariefSoort> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvTariefSoort(QWidget* owner, TChildWindowManager* manager);

    const std::vector<brlib::stTariefSoort>& Lijst() const { return lijst_; }
    // Set after each successful write or removal since the list was last read.
    bool Gewijzigd() const { return gewijzigd_; }

protected:
    void LeesLijst() override;
    void Nieuw() override;
    void Wijzig(int rij) override;
    void Verwijder(int rij) override;

private:
    void ToonLijst(int focusRij);
    // The edit dialog on `soort`; true when it closed with OK and was written.
    bool Bewerk(brlib::stTariefSoort& soort);

    std::vector<brlib::stTariefSoort> lijst_;
    bool gewijzigd_ = false;
};
