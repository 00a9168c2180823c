#include "masterdata/Rsvtariefsoortunit.h"

#include <algorithm>

#include "host/ui/Messages.h"
#include "host/ui/ModalShow.h"
#include "masterdata/Rsvedittariefsoortunit.h"
#include "masterdata/TariefOpslag.h"
#include "masterdata/TariefSoortOpslag.h"

TfrmRsvTariefSoort::TfrmRsvTariefSoort(QWidget* owner, TChildWindowManager* manager)
    : TStamLijstForm(owner, manager, QStringLiteral("RsvTariefSoort"), QStringLiteral("Tariefsoorten"))
{
    resize(520, 380);
}

void TfrmRsvTariefSoort::LeesLijst()
{
    LeesTariefSoorten(lijst_);
    ToonLijst(0);
    gewijzigd_ = false;
}

void TfrmRsvTariefSoort::ToonLijst(int focusRij)
{
    Grid()->Execute([this] {
        for (const brlib::stTariefSoort& soort : lijst_) {
            const QString kind = soort.GetSoortOmschr();
            Grid()->FillNewCol(QStringLiteral("code"), &soort.code);
            Grid()->FillNewCol(QStringLiteral("omschr"), &soort.omschr);
            Grid()->FillNewCol(QStringLiteral("soort"), &kind);
            Grid()->EndGroup();
        }
    });
    Grid()->FocusRij(focusRij);
    ZetKnoppen();
}

bool TfrmRsvTariefSoort::Bewerk(brlib::stTariefSoort& soort)
{
    TfrmRsvEditTariefSoort dialoog(this, soort);
    if (ShowModal(dialoog) != mrOk)
        return false;
    soort = dialoog.TariefSoort();
    if (SchrijfTariefSoort(soort)) {
        gewijzigd_ = true;
        return true;
    }
    LeesLijst();
    return false;
}

void TfrmRsvTariefSoort::Nieuw()
{
    brlib::stTariefSoort soort;
    if (!Bewerk(soort))
        return;
    // An empty list lacked the standard rate type (its lock was refused); the
    // write has made it first.
    if (lijst_.empty())
        LeesTariefSoorten(lijst_);
    else
        lijst_.push_back(soort);
    ToonLijst(static_cast<int>(lijst_.size()) - 1);
}

void TfrmRsvTariefSoort::Wijzig(int rij)
{
    if (rij == 0) {
        WarningMsg(tariefsoort::kNietWijzigen, Caption());
        return;
    }
    brlib::stTariefSoort kopie = lijst_[rij];
    if (!Bewerk(kopie))
        return;
    lijst_[rij] = kopie;
    ToonLijst(rij);
}

void TfrmRsvTariefSoort::Verwijder(int rij)
{
    if (rij == 0) {
        WarningMsg(tariefsoort::kNietVerwijderen, Caption());
        return;
    }
    const brlib::stTariefSoort& soort = lijst_[rij];
    const bool metTarieven = !TarievenVanTariefSoort(soort.recNr).empty();
    if (WarningMsg(VerwijderVraag(soort, metTarieven), tariefsoort::kVerwijderTitel, msg::mbYesNo) != msg::idYes)
        return;
    if (!VerwijderTariefSoort(soort)) {
        LeesLijst();
        return;
    }
    lijst_.erase(lijst_.begin() + rij);
    gewijzigd_ = true;
    ToonLijst(std::min(rij, static_cast<int>(lijst_.size()) - 1));
}
