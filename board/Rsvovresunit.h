#pragma once
// The planning board: rooms against days. Hosted through "rsv_ovres" and
// OverzichtReserveringen; stand-alone (full screen) through RsvDlgReserveringsOverzicht.

#include "frame/HostedForm.h"
#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"

class TfrmRsvOvRes : public THostedForm<TfrmRsvOvRes> {
    Q_OBJECT
public:
    // `manager` is null for the stand-alone board.
    TfrmRsvOvRes(QWidget* owner, TChildWindowManager* manager);

    // The first day to show; the board rounds it back to the start of its week when it shows.
    TDateTime StartDatum() const { return startDatum_; }
    void ZetStartDatum(TDateTime datum) { startDatum_ = datum; }

    // A check-in whose reservation the board opens when it shows; JaarNr(0, 0) for none.
    JaarNr StartInCheck() const { return startInCheck_; }
    void ZetStartInCheck(JaarNr inCheck) { startInCheck_ = inCheck; }

    // Asks the host to open the check-in list of `reservering` at the board's
    // start date. False when there is no host to ask.
    bool VraagInCheckNieuw(JaarNr reservering) const;

private:
    TDateTime startDatum_;
    JaarNr startInCheck_;
};
