// The new-reservation mode on the board form: entering and leaving it, and the
// pointer handed to the mode while it lasts. The refresh timer stays off for
// the whole mode; leaving it re-reads the board and starts the timer again.

#include <QPushButton>

#include "board/BordGrid.h"
#include "board/NieuwDiensten.h"
#include "board/Rsvovresunit.h"
#include "host/base/GlobalSettings.h"
#include "host/brlib/BestVelden.h"

bord::NieuwPaneel* TfrmRsvOvRes::MaakNieuwPaneel()
{
    const bord::BordKoppeling koppeling{this, !IsHosted(), [this] { Refresh(true); }, [this] { VerlaatNieuw(); }};
    auto* paneel = new bord::NieuwPaneel(this, nieuw_, bord::BordDiensten(toestand_, koppeling));
    paneel->hide();
    return paneel;
}

void TfrmRsvOvRes::btnNieuwClick()
{
    SetTimer(false);
    if (!InitBoard()) {
        close();
        return;
    }
    ZorgVolledig();
    pnlNieuw->show();
    onder_.pnlOnder->hide();
    boven_.btnSelRes->setEnabled(false);
    QStringList standaardVelden;
    if (GlobalSettings(QStringLiteral("Reservering")).ReadBool(QStringLiteral("RelatieKaartVelden"), false))
        brlib::RsvGetDefaultBestVelden(standaardVelden);
    nieuw_.Open(standaardVelden);
    pnlNieuw->Open(bord::GroepKeuze::Lees());
    ZetRijKnoppen();
    Refresh(true);
}

void TfrmRsvOvRes::VerlaatNieuw()
{
    boven_.btnSelRes->setEnabled(true);
    if (InitBoard())
        SetTimer(true);
    else
        close();
}

// While the mode lasts the pointer only highlights its cell; it selects nothing.
void TfrmRsvOvRes::NieuwMuisBeweeg(QPoint plek)
{
    const bord::CelTreffer cel = geometrie_.Raak(plek);
    const bool anders = ZetWijzerCel(cel);
    if (nieuw_.MuisBeweeg(bord::PlekVan(cel, toestand_.startDatum)))
        Refresh(true);
    else if (anders)
        Refresh(false);
}

void TfrmRsvOvRes::NieuwMuisNeer(QPoint plek)
{
    NieuwMuisBeweeg(plek);
    if (nieuw_.MuisNeer(bord::PlekVan(geometrie_.Raak(plek), toestand_.startDatum)))
        Refresh(true);
}

void TfrmRsvOvRes::NieuwMuisOp()
{
    if (nieuw_.MuisOp())
        Refresh(true);
}
