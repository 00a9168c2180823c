#pragma once
// Check-in and check-out of the rooms of one reservation. Hosted through
// InCheckNieuw (the board asks the host for it), modal through RsvDlgInUitChecken.
// The work on the reservation is InCheckLijst's; this form shows it as a grid
// of room lines (a row per person) and turns the buttons into its actions.

#include <vector>

#include "checkin/InCheckLijst.h"
#include "frame/HostedForm.h"
#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"

class QLabel;
class QPushButton;
class TGridView;

class TfrmRsvInCheck : public THostedForm<TfrmRsvInCheck> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvInCheck(QWidget* owner, TChildWindowManager* manager);

    // The reservation to show; JaarNr(0, 0) closes the form when it shows.
    JaarNr Reservering() const { return reservering_; }
    void ZetReservering(JaarNr reservering) { reservering_ = reservering; }

    // The check-in whose room gets the focus after the first load.
    JaarNr FocusInCheck() const { return focusInCheck_; }
    void ZetFocusInCheck(JaarNr inCheck) { focusInCheck_ = inCheck; }

    // Today unless the caller gives a date; handed back to the board on close.
    TDateTime Datum() const { return datum_; }
    void ZetDatum(TDateTime datum) { datum_ = datum; }

    // Asks the host to open the planning board at the form's date.
    // False when there is no host to ask.
    bool VraagOverzichtReserveringen() const;

    const incheck::InCheckLijst& Lijst() const { return lijst_; }
    // The room line of every grid row.
    const std::vector<int>& RijKamers() const { return rijKamers_; }

    QWidget* pnlBoven;
    QLabel* flblResBoekNr;
    QLabel* flblRegDatum;
    QLabel* flblTotBedrag;
    QLabel* flblStatus;
    TGridView* gvOverzicht;
    QWidget* pnlOnder;
    QPushButton* btnKamerInCheck;
    QPushButton* btnKamerUitCheck;
    QPushButton* btnAllesUitCheck;
    QPushButton* btnAnnuIncheck;
    QPushButton* btnAnnuleren;

protected:
    void FormShow() override;
    void FormClose(TCloseAction& action) override;
    void reject() override;

private:
    void BouwControls();
    void Verversen();
    void Toon();
    void VulRegel();
    void ZetFocusOpInCheck();
    int GekozenKamer() const;

    void btnKamerInCheckClick();

    JaarNr reservering_;
    JaarNr focusInCheck_;
    TDateTime datum_;
    incheck::InCheckLijst lijst_;
    std::vector<int> rijKamers_;
};
