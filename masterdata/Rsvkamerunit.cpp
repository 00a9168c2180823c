#include "masterdata/Rsvkamerunit.h"

#include <algorithm>

#include "host/brlib/Inlezen.h"
#include "host/ui/Messages.h"
#include "host/ui/ModalShow.h"
#include "masterdata/KamerOpslag.h"
#include "masterdata/Rsveditkamerunit.h"

TfrmRsvKamer::TfrmRsvKamer(QWidget* owner, TChildWindowManager* manager)
    : TStamLijstForm(owner, manager, QStringLiteral("RsvKamer"), QStringLiteral("Kamers"))
{
    resize(640, 420);
}

void TfrmRsvKamer::LeesLijst()
{
    brlib::InlezenKamers(lijst_);
    ToonLijst(0);
}

void TfrmRsvKamer::ToonLijst(int focusRij)
{
    Grid()->Execute([this] {
        for (const brlib::stKamer& kamer : lijst_) {
            const QString type = kamer.kamerType.recNr != 0 ? kamer.kamerType.code : QStringLiteral("(GEEN TYPE)");
            Grid()->FillNewCol(QStringLiteral("nr"), &kamer.kamerNr);
            Grid()->FillNewCol(QStringLiteral("omschr"), &kamer.omschr);
            Grid()->FillNewCol(QStringLiteral("kamertype"), &type);
            if (kamer.maxPersonen > 0)
                Grid()->FillNewCol(QStringLiteral("maxpers"), &kamer.maxPersonen);
            if (kamer.beschikbaarVanaf != 0)
                Grid()->FillNewColDatum(QStringLiteral("begindat"), &kamer.beschikbaarVanaf);
            Grid()->EndGroup();
        }
    });
    Grid()->FocusRij(focusRij);
    ZetKnoppen();
}

bool TfrmRsvKamer::Bewerk(brlib::stKamer& kamer)
{
    TfrmRsvEditKamer dialoog(this, kamer, AndereKamerNrs(lijst_, kamer.kamerNr));
    if (ShowModal(dialoog) != mrOk)
        return false;
    kamer = dialoog.Kamer();
    if (SchrijfKamer(kamer))
        return true;
    LeesLijst();
    return false;
}

void TfrmRsvKamer::Nieuw()
{
    brlib::stKamer kamer;
    if (!Bewerk(kamer))
        return;
    lijst_.push_back(kamer);
    ToonLijst(static_cast<int>(lijst_.size()) - 1);
}

void TfrmRsvKamer::Wijzig(int rij)
{
    brlib::stKamer kopie = lijst_[rij];
    if (!Bewerk(kopie))
        return;
    lijst_[rij] = kopie;
    ToonLijst(rij);
}

void TfrmRsvKamer::Verwijder(int rij)
{
    if (WarningMsg(VerwijderVraag(lijst_[rij]), Caption(), msg::mbYesNo) != msg::idYes)
        return;
    if (!VerwijderKamer(lijst_[rij])) {
        LeesLijst();
        return;
    }
    lijst_.erase(lijst_.begin() + rij);
    ToonLijst(std::min(rij, static_cast<int>(lijst_.size()) - 1));
}
