// TfrmRsvOvRes: the move, period and group modes on the board form. The steps
// live in bord::WijzigModi; the form shows their panel and instruction, hands
// them the pointer and re-reads when a mode ends.

#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "board/BordCellen.h"
#include "board/BordGrid.h"
#include "board/Rsvoverlapunit.h"
#include "board/Rsvovresunit.h"
#include "host/ui/HandlerGuard.h"
#include "host/ui/ModalShow.h"

void TfrmRsvOvRes::VerbindModi()
{
    ConnectGuarded(onder_.btnVerplaatsen, &QPushButton::clicked, this,
                   [this] { BeginModus(bord::ModusSoort::Verplaatsen); });
    ConnectGuarded(onder_.btnPerWzg, &QPushButton::clicked, this, [this] { BeginModus(bord::ModusSoort::Periode); });
    ConnectGuarded(onder_.btnGroepWijzigen, &QPushButton::clicked, this, [this] { BeginModus(bord::ModusSoort::Groep); });
    connect(verplaatsen_.btnVerplAnnuleren, &QPushButton::clicked, this, [this] {
        SetTimer(false);
        BeeindigModus();
    });
    modi_.OpInstructie([this](const QString& tekst) { verplaatsen_.pnlCapVerplaatsen->setText(tekst); });
}

void TfrmRsvOvRes::BeginModus(bord::ModusSoort soort)
{
    SetTimer(false);
    if (!InitBoard()) {
        close();
        return;
    }
    ZorgVolledig();
    modi_.Begin(soort);
    zoekenAan_ = boven_.btnZoeken->isEnabled();
    boven_.btnSelRes->setEnabled(false);
    boven_.btnZoeken->setEnabled(false);
    verplaatsen_.pnlVerplaatsen->show();
    onder_.pnlOnder->hide();
    Refresh(true);
    SetTimer(true);
}

void TfrmRsvOvRes::BeeindigModus()
{
    modi_.Stop();
    ZetNavigatie(true);
    boven_.btnSelRes->setEnabled(true);
    boven_.btnZoeken->setEnabled(zoekenAan_);
    verplaatsen_.pnlVerplaatsen->hide();
    onder_.pnlOnder->show();
    if (InitBoard())
        SetTimer(true);
    else
        close();
}

void TfrmRsvOvRes::HerstelModus()
{
    if (!modi_.Actief())
        return;
    if (modi_.NaHerladen()) {
        onder_.pnlOnder->hide();
        return;
    }
    ZetNavigatie(true);
    boven_.btnSelRes->setEnabled(true);
    boven_.btnZoeken->setEnabled(zoekenAan_);
    verplaatsen_.pnlVerplaatsen->hide();
}

void TfrmRsvOvRes::ZetNavigatie(bool aan)
{
    for (QToolButton* knop : {boven_.btnMinWeek, boven_.btnPlusWeek, boven_.btnMinMaand, boven_.btnPlusMaand})
        knop->setEnabled(aan);
}

// Rebuilding the cells drops their highlights; the chosen reservation keeps its own.
void TfrmRsvOvRes::HerbouwMetSelectie()
{
    Refresh(true);
    ShowSelected(toestand_.geselecteerd);
    Refresh(false);
}

void TfrmRsvOvRes::VolgModus(bord::ModusReactie reactie)
{
    switch (reactie) {
    case bord::ModusReactie::Niets: break;
    case bord::ModusReactie::Herteken: Refresh(false); break;
    case bord::ModusReactie::Herbouw: HerbouwMetSelectie(); break;
    case bord::ModusReactie::Stap2:
        ZetNavigatie(false);
        HerbouwMetSelectie();
        break;
    case bord::ModusReactie::Einde: BeeindigModus(); break;
    }
}

void TfrmRsvOvRes::ModusMuisBeweeg(QPoint plek)
{
    const TimerPauze pauze(*this);
    const bord::CelTreffer cel = geometrie_.Raak(plek);
    const bool anders = ZetWijzerCel(cel);
    const bord::ModusReactie reactie = modi_.Sleep(bord::PlekVan(cel, toestand_.startDatum));
    VolgModus(reactie == bord::ModusReactie::Niets && anders ? bord::ModusReactie::Herteken : reactie);
}

void TfrmRsvOvRes::ModusMuisNeer(QPoint plek)
{
    const TimerPauze pauze(*this);
    const bord::CelTreffer cel = geometrie_.Raak(plek);
    const int item = bord::ItemOnderWijzer(toestand_, cel.kolom, cel.rij, cel.rechts);
    VolgModus(modi_.Klik(bord::PlekVan(cel, toestand_.startDatum), item));
}

std::optional<TDateTime> TfrmRsvOvRes::KiesBegindatum(int32_t bron, int32_t doel, TDateTime eerste,
                                                      TDateTime laatste)
{
    TfrmRsvOverlap keuze(this);
    keuze.Zet(bron, doel, eerste, laatste);
    if (ShowModal(keuze) != mrOk)
        return std::nullopt;
    return keuze.GekozenDatum();
}
