#pragma once
// Checking one room of a reservation in, or showing and editing its check-in:
// the persons staying in the room, their fields taken from a pre-registration,
// the reservation or a relation card, and on OK the store. Opened modal by the
// check-in list with the list's own reservation, which it updates after a store.
// Modal results: 1 stored, 2 cancelled, 4 changed on another workstation.

#include <vector>

#include "frame/HostedForm.h"
#include "host/brlib/RsvReservering.h"

class GastGrid;
class QLabel;
class QPushButton;
class TGridView;

class TfrmRsvInCheckGeg : public THostedForm<TfrmRsvInCheckGeg> {
    Q_OBJECT
public:
    TfrmRsvInCheckGeg(QWidget* owner, TChildWindowManager* manager, bool modal, int kamer,
                      brlib::RsvReservering& reservering);

    const std::vector<brlib::stPersoon>& Personen() const { return personen_; }
    bool Bewerkbaar() const { return bewerkbaar_; }

    QLabel* flblInCheckNr;
    QLabel* flblKamerNr;
    QLabel* flblKamerType;
    QLabel* flblInCheckDatum;
    QLabel* flblUitCheckDatum;
    TGridView* gvPers;
    TGridView* gvGrid;
    QLabel* flblRelNr;
    QPushButton* btnSelRel;
    QPushButton* btnNieuw;
    QPushButton* btnWijzigen;
    QPushButton* btnVerwijderen;
    QPushButton* btnOvernemen;
    QPushButton* btnToepassen;
    QPushButton* btnOk;
    QPushButton* btnAnnuleren;

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void FormClose(TCloseAction& action) override;
    void reject() override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void BouwControls();
    void Laad();
    void VerversPersonen();
    int GekozenPersoon() const;
    void ToonPersoon(int index);
    void KnoppenBijwerken();
    void ZetWaarden(const QStringList& waarden);

    void gvPersSelectCell(int rij);
    void gvGridEditModeChanged(bool aan);
    void gvGridExit();
    void btnNieuwClick();
    void btnWijzigenClick();
    void btnVerwijderenClick();
    void btnOvernemenClick();
    void btnSelRelClick();
    void btnOkClick();

    void ReserveringOvernemen();
    bool VoorregistratieOvernemen();
    void RelatieOvernemen();
    // The modal result after storing on OK: 1 stored, 4 changed elsewhere, 0 stay open.
    int InCheckOpslaan();
    void BestelProducten();

    brlib::RsvReservering& res_;
    int kamer_;
    bool modal_;
    bool bewerkbaar_ = true;
    bool debOvernemen_ = false;
    bool autoProdReg_ = false;
    bool registreerProducten_ = false;
    QStringList labels_;
    std::vector<brlib::stPersoon> personen_;
    int32_t relatieNr_ = 0;
    int32_t relatieSleutel_ = 0;
    GastGrid* gastGrid_ = nullptr;
};
