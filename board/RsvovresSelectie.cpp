// TfrmRsvOvRes: the pointer, the selection and opening a reservation.

#include <QLabel>

#include "board/BordCellen.h"
#include "board/BordGrid.h"
#include "board/Rsvovresunit.h"
#include "host/base/EBrRuntime.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/brlib/ResStatus.h"
#include "host/ui/JaarNrDialog.h"
#include "host/ui/Messages.h"

namespace {
constexpr TColor kGekozenKleur = 0xFFDDDD;

// A label of the selection: its text on the selection colour, or empty on the button face.
void ZetSelectieVeld(QLabel* veld, const QString& tekst)
{
    QPalette kleuren = veld->palette();
    kleuren.setColor(QPalette::Window,
                     tekst.isEmpty() ? veld->palette().color(QPalette::Button) : QKleur(kGekozenKleur));
    veld->setPalette(kleuren);
    veld->setText(tekst);
}
}  // namespace

void TfrmRsvOvRes::ShowSelected(JaarNr sleutel)
{
    getoond_ = sleutel;
    bord::MarkeerSelectie(toestand_, sleutel);
    ZetSelectieVeld(boven_.flblResBoekNr, sleutel.IsLeeg() ? QString() : sleutel.String(2, 5));
    const int32_t groep = toestand_.geselecteerdeGroep;
    ZetSelectieVeld(boven_.flblGroepNr, groep != 0 ? QString::number(groep) : QString());
}

bool TfrmRsvOvRes::ZetWijzerCel(const bord::CelTreffer& cel)
{
    const bool anders = cel.kolom != toestand_.wijzerKolom || cel.rij != toestand_.wijzerRij;
    toestand_.wijzerKolom = cel.kolom;
    toestand_.wijzerRij = cel.rij;
    return anders;
}

void TfrmRsvOvRes::dgGridMouseMove(QPoint plek)
{
    ZorgVolledig();
    if (toestand_.nieuwModus) {
        NieuwMuisBeweeg(plek);
        return;
    }
    if (modi_.Sleept()) {
        ModusMuisBeweeg(plek);
        return;
    }
    const TimerPauze pauze(*this);
    const bord::CelTreffer cel = geometrie_.Raak(plek);
    bool anders = ZetWijzerCel(cel);
    const int item = bord::ItemOnderWijzer(toestand_, cel.kolom, cel.rij, cel.rechts);
    const JaarNr aangewezen = item >= 0 ? toestand_.items[item].resSleutel : JaarNr();
    anders = anders || aangewezen != toestand_.aangewezen;
    toestand_.aangewezen = aangewezen;
    if (!aangewezen.IsLeeg() && aangewezen != toestand_.geselecteerd) {
        toestand_.geselecteerd = aangewezen;
        ShowSelected(aangewezen);
        anders = true;
    }
    anders = modi_.Gewezen(cel.rij - bord::kKopRijen, item) || anders;
    if (anders)
        Refresh(false);
    dgGrid->setCursor(aangewezen.IsLeeg() ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void TfrmRsvOvRes::dgGridMouseDown(QPoint plek)
{
    ZorgVolledig();
    if (toestand_.nieuwModus) {
        NieuwMuisNeer(plek);
        return;
    }
    if (modi_.Sleept()) {
        ModusMuisNeer(plek);
        return;
    }
    const TimerPauze pauze(*this);
    // A press without a move before it (a touch screen) points first.
    dgGridMouseMove(plek);
    // A click on a bar opens its details, or takes an active mode a step on; a
    // click beside the bars drops the selection.
    if (!toestand_.aangewezen.IsLeeg()) {
        if (modi_.Actief())
            ModusMuisNeer(plek);
        else {
            OpenDetails(JaarNr());
            HerlaadMetSelectie();
        }
        return;
    }
    toestand_.geselecteerd = JaarNr();
    ShowSelected(JaarNr());
    Refresh(false);
}

void TfrmRsvOvRes::SelectReservation(JaarNr reservering, JaarNr inCheck)
{
    const TimerPauze pauze(*this);
    brlib::RsvReserveringCursorRandom cursor;
    TDateTime begin = 0;
    try {
        const brlib::RsvReservering& res = cursor.At(reservering, 0);
        if (res.status == brlib::rsGeannuleerd) {
            WarningMsg(QStringLiteral("Kan boekingsnr. ") + res.boekNr +
                           QStringLiteral(" niet weergeven omdat deze geannuleerd is."),
                       Caption());
            return;
        }
        begin = res.begin;
    } catch (const EBrRuntime& fout) {
        ErrorMsg(fout.Message(), Caption());
        return;
    }
    GoToDate(begin);
    toestand_.geselecteerd = reservering;
    ShowSelected(reservering);
    Refresh(false);
    OpenDetails(inCheck);
    HerlaadMetSelectie();
}

void TfrmRsvOvRes::OpenDetails(JaarNr inCheck)
{
    if (!vensters_)
        return;
    const TimerPauze pauze(*this);
    if (inCheck.IsLeeg()) {
        // After a change (or none) the caller re-initialises the board.
        if (vensters_->ReserveringsGegevens(this, toestand_.geselecteerd, !IsHosted()) != bord::drInUitChecken)
            return;
    }
    if (IsHosted()) {
        VraagInCheckNieuw(toestand_.geselecteerd);
        close();
        return;
    }
    vensters_->InUitChecken(toestand_.geselecteerd, toestand_.startDatum, this, inCheck);
    GoToDate(toestand_.startDatum);
}

void TfrmRsvOvRes::HerlaadMetSelectie()
{
    if (!isVisible())
        return;
    const JaarNr gekozen = toestand_.geselecteerd;
    const JaarNr aangewezen = toestand_.aangewezen;
    if (!InitBoard()) {
        close();
        return;
    }
    toestand_.geselecteerd = gekozen;
    toestand_.aangewezen = aangewezen;
    ShowSelected(gekozen);
    Refresh(false);
}

void TfrmRsvOvRes::btnSelResClick()
{
    const TimerPauze pauze(*this);
    // With nothing selected the dialog starts in the shown year, whose count is its maximum.
    const JaarNr waarde = toestand_.geselecteerd.IsLeeg() ? JaarNr(Jaar(toestand_.startDatum), 1)
                                                          : toestand_.geselecteerd;
    jrnrdlgRes->SetWaarde(waarde);
    jrnrdlgRes->SetMaxAantal(brlib::GetReserveringCount(waarde.jaar));
    if (jrnrdlgRes->Execute())
        SelectReservation(jrnrdlgRes->Waarde(), JaarNr());
    HerlaadMetSelectie();
}

void TfrmRsvOvRes::btnZoekenClick()
{
    if (!vensters_)
        return;
    const TimerPauze pauze(*this);
    JaarNr gekozen;
    if (vensters_->ZoekReservering(this, gekozen))
        SelectReservation(gekozen, JaarNr());
    HerlaadMetSelectie();
}

void TfrmRsvOvRes::btnOverzichtClick()
{
    if (!vensters_)
        return;
    const TimerPauze pauze(*this);
    vensters_->Rapportage(this);
    HerlaadMetSelectie();
}

void TfrmRsvOvRes::btnSettingsClick()
{
    if (!vensters_)
        return;
    const TimerPauze pauze(*this);
    vensters_->Instellingen(this);
    // Row height and cursors may have changed.
    HerlaadMetSelectie();
}
