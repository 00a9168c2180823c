#include "masterdata/Rsvkamertypeunit.h"

#include <algorithm>

#include "host/base/HuidigeDatum.h"
#include "host/brlib/Inlezen.h"
#include "host/ui/HandlerGuard.h"
#include "host/ui/Messages.h"
#include "host/ui/ModalShow.h"
#include "masterdata/KamerTypeOpslag.h"
#include "masterdata/Rsveditkamertypeunit.h"

TfrmRsvKamerType::TfrmRsvKamerType(QWidget* owner, TChildWindowManager* manager)
    : TStamLijstForm(owner, manager, QStringLiteral("RsvKamerType"), QStringLiteral("Kamertypes")),
      btnTarief(VoegRijKnopToe(QStringLiteral("btnTarief"), QStringLiteral("Tarieven"))),
      jaar_(HuidigeDatum::Object().Jaar())
{
    ConnectGuarded(btnTarief, &QPushButton::clicked, this, [this] {
        if (Grid()->HuidigeRij() >= 0)
            BewerkRij(Grid()->HuidigeRij(), KamerTypeModus::Tarieven);
    });
    resize(520, 380);
}

void TfrmRsvKamerType::LeesLijst()
{
    brlib::InlezenKamerTypes(lijst_);
    ToonLijst(0);
}

void TfrmRsvKamerType::ToonLijst(int focusRij)
{
    Grid()->Execute([this] {
        for (const brlib::stKamerType& type : lijst_) {
            Grid()->FillNewCol(QStringLiteral("code"), &type.code);
            Grid()->FillNewCol(QStringLiteral("omschr"), &type.omschr);
            Grid()->EndGroup();
        }
    });
    Grid()->FocusRij(focusRij);
    ZetKnoppen();
}

bool TfrmRsvKamerType::Bewerk(brlib::stKamerType& type, KamerTypeModus modus)
{
    TfrmRsvEditKamerType dialoog(this, type, jaar_, modus);
    if (ShowModal(dialoog) != mrOk)
        return false;
    type = dialoog.KamerType();
    const bool gelukt = modus == KamerTypeModus::Gegevens ? SchrijfKamerType(type, jaar_)
                                                           : SchrijfKamerTypeTarieven(type, jaar_);
    if (!gelukt)
        LeesLijst();
    return gelukt;
}

void TfrmRsvKamerType::Nieuw()
{
    brlib::stKamerType type;
    if (!Bewerk(type, KamerTypeModus::Gegevens))
        return;
    lijst_.push_back(type);
    ToonLijst(static_cast<int>(lijst_.size()) - 1);
}

void TfrmRsvKamerType::Wijzig(int rij) { BewerkRij(rij, KamerTypeModus::Gegevens); }

void TfrmRsvKamerType::BewerkRij(int rij, KamerTypeModus modus)
{
    brlib::stKamerType kopie = lijst_[rij];
    brlib::InlezenKamerTypeTarieven(jaar_, kopie);
    if (!Bewerk(kopie, modus))
        return;
    lijst_[rij] = kopie;
    ToonLijst(rij);
}

void TfrmRsvKamerType::Verwijder(int rij)
{
    const brlib::stKamerType& type = lijst_[rij];
    if (KamerTypeInGebruik(type.recNr)) {
        ErrorMsg(kamertype::kInGebruik, Caption());
        return;
    }
    if (WarningMsg(VerwijderVraag(type), Caption(), msg::mbYesNo) != msg::idYes)
        return;
    if (!VerwijderKamerType(type)) {
        LeesLijst();
        return;
    }
    lijst_.erase(lijst_.begin() + rij);
    ToonLijst(std::min(rij, static_cast<int>(lijst_.size()) - 1));
}
