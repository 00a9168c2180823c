#pragma once
// The planning board: rooms against days. Hosted through "rsv_ovres" and
// OverzichtReserveringen; stand-alone (full screen) through RsvDlgReserveringsOverzicht.
//
// The form wires events to the board's model (BordToestand and the Bord*
// units): it loads, navigates, selects and keeps itself current by polling the
// update count every 3000 ms. Every handler that opens a dialog, re-initialises
// or changes the shown period pauses that timer while it runs.

#include "board/BordDeelLaden.h"
#include "board/BordGeometrie.h"
#include "board/BordInstellingen.h"
#include "board/BordKleuren.h"
#include "board/BordPanelen.h"
#include "board/BordToestand.h"
#include "board/BordVensters.h"
#include "board/NieuwPaneel.h"
#include "board/WijzigModi.h"
#include "frame/HostedForm.h"
#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"

class BordGrid;
class JaarNrDialog;
class QTimer;

class TfrmRsvOvRes : public THostedForm<TfrmRsvOvRes> {
    Q_OBJECT
public:
    // `manager` is null for the stand-alone board.
    TfrmRsvOvRes(QWidget* owner, TChildWindowManager* manager);

    // The first day to show; the board rounds it back to the start of its week when it shows.
    TDateTime StartDatum() const { return toestand_.startDatum; }
    void ZetStartDatum(TDateTime datum) { toestand_.startDatum = datum; }

    // A check-in whose reservation the board opens when it shows; JaarNr(0, 0) for none.
    JaarNr StartInCheck() const { return startInCheck_; }
    void ZetStartInCheck(JaarNr inCheck) { startInCheck_ = inCheck; }

    // The forms the board opens for a stored reservation; none: a click only selects.
    void ZetVensters(const bord::BordVensters* vensters) { vensters_ = vensters; }

    // Asks the host to open the check-in list of `reservering` at the board's
    // start date. False when there is no host to ask.
    bool VraagInCheckNieuw(JaarNr reservering) const;

    const bord::BordToestand& Toestand() const { return toestand_; }
    const bord::BordGeometrie& Geometrie() const { return geometrie_; }

    // Re-reads settings, rooms and lines and clears the selection; false, after
    // telling the user, when there are no rooms.
    bool InitBoard();
    // Rebuilds the day cells when `herbouw` (data or selection changed), then repaints.
    void Refresh(bool herbouw);
    // Shows the week of `datum` with its lines, without a selection.
    void GoToDate(TDateTime datum);
    // Labels and highlighted bars of `sleutel`; JaarNr(0, 0) clears them.
    void ShowSelected(JaarNr sleutel);
    // Goes to the reservation, selects it and opens its check-in when `inCheck`
    // is given; a cancelled reservation is refused with a warning.
    void SelectReservation(JaarNr reservering, JaarNr inCheck);
    // Without `inCheck` the details of the selected reservation, and its
    // check-in when the user asks for it there; with `inCheck` that check-in at
    // once. The caller re-initialises the board after it.
    void OpenDetails(JaarNr inCheck);
    void SetTimer(bool aan);

    // Boards with fewer rooms read every line before they show; larger ones
    // read the shown rows first and the rest in the background.
    void ZetDeelsLadenVanaf(int kamers) { lader_.ZetDrempel(kamers); }
    bool Gedeeltelijk() const { return lader_.Gedeeltelijk(); }
    // Adds the lines still being read in the background and shows them. Every
    // handler that may meet a line off the loaded rows calls it first.
    void ZorgVolledig();

public slots:
    // The refresh check: re-initialises when another workstation changed reservations.
    void tmrUpdateTimer();

protected:
    void FormShow() override;
    void FormClose(TCloseAction& action) override;
    // Esc goes the way of Sluiten, so the close hooks run.
    void reject() override { close(); }

private:
    // Stops the refresh timer for one handler; starts it again after, when it
    // ran before and the board is still open.
    class TimerPauze {
    public:
        explicit TimerPauze(TfrmRsvOvRes& form);
        ~TimerPauze();
        TimerPauze(const TimerPauze&) = delete;
        TimerPauze& operator=(const TimerPauze&) = delete;

    private:
        TfrmRsvOvRes& form_;
        bool liep_;
    };

    void MaakWidgets();
    void Verbind();
    void VerbindNavigatie();
    void SetStartDate(TDateTime datum);
    void LaadItems();
    bord::RijBereik RijenOpScherm() const;
    // Adds the rest of the lines when rows on screen lack theirs.
    void ToonRijen();
    // Re-initialises and shows the selection again, as after a dialog on a bar.
    void HerlaadMetSelectie();
    void ZetRijKnoppen();
    void SchuifRijen(int richting, bool pagina);
    void ToonLegenda(bool zichtbaar);

    // The new-reservation mode: its pane, entering and leaving, and the pointer while it lasts.
    bord::NieuwPaneel* MaakNieuwPaneel();
    void btnNieuwClick();
    void VerlaatNieuw();
    void NieuwMuisBeweeg(QPoint plek);
    void NieuwMuisNeer(QPoint plek);
    void NieuwMuisOp();

    // The move, period and group modes: entering, the pointer while they last, leaving.
    void VerbindModi();
    void BeginModus(bord::ModusSoort soort);
    void VolgModus(bord::ModusReactie reactie);
    void HerbouwMetSelectie();
    void ModusMuisBeweeg(QPoint plek);
    void ModusMuisNeer(QPoint plek);
    void ZetNavigatie(bool aan);
    void BeeindigModus();
    // After a re-read while a mode lasts: its panel stays, or it ends when its line is gone.
    void HerstelModus();
    std::optional<TDateTime> KiesBegindatum(int32_t bron, int32_t doel, TDateTime eerste, TDateTime laatste);

    // Stores the cell under the pointer; true when it changed.
    bool ZetWijzerCel(const bord::CelTreffer& cel);
    void dgGridMouseMove(QPoint plek);
    void dgGridMouseDown(QPoint plek);
    // The housekeeping status menu of a room row's number or description.
    void dgGridKamerMenu(QPoint plek);
    void btnSelResClick();
    void btnZoekenClick();
    void btnOverzichtClick();
    void btnSettingsClick();

    bord::BordToestand toestand_;
    bord::BordGeometrie geometrie_;
    bord::KleurTabel kleuren_;
    bord::NieuweReservering nieuw_{toestand_, QStringLiteral("Reserveringen")};
    bord::WijzigModi modi_{toestand_, QStringLiteral("Reserveringen"),
                           [this](int32_t bron, int32_t doel, TDateTime eerste, TDateTime laatste) {
                               return KiesBegindatum(bron, doel, eerste, laatste);
                           }};
    bool zoekenAan_ = false;  // btnZoeken before a mode turned it off
    JaarNr getoond_;          // what ShowSelected showed last, shown again when the rest of the lines arrives
    JaarNr startInCheck_;
    const bord::BordVensters* vensters_ = nullptr;

    QWidget* pnlTab;
    bord::BovenPaneel boven_;
    BordGrid* dgGrid;
    QWidget* pnlLegenda;
    bord::GridKnoppen gridKnoppen_;
    bord::OnderPaneel onder_;
    bord::VerplaatsPaneel verplaatsen_;
    bord::NieuwPaneel* pnlNieuw;
    JaarNrDialog* jrnrdlgRes;
    QTimer* tmrUpdate;
    // Last, so that it is gone (its thread stopped) before anything it calls back into.
    bord::DeelLader lader_;
};
