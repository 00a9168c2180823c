#pragma once
// The room list for new reservations, opened hosted through "rsv_invres": the
// hotel's rooms under "Beschikbare kamers", narrowed to one room type. The
// period, the relation panel and OK carry no behaviour; reservations are
// booked on the planning board.

#include <vector>

#include "frame/HostedForm.h"
#include "host/brlib/Kamer.h"
#include "host/brlib/KamerType.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class TGridView;

class TfrmRsvInvRes : public THostedForm<TfrmRsvInvRes> {
    Q_OBJECT
public:
    // `manager` is null when the form is shown as a modal dialog.
    TfrmRsvInvRes(QWidget* owner, TChildWindowManager* manager);

    QWidget* pnlRelatie;
    QLabel* pnlRelatieSel;
    QWidget* pnlRelInfo;
    QLabel* flblRelNr;
    QLabel* flblRelNaam;
    QLabel* flblRelPlaats;
    QWidget* pnlBoven;
    QDateEdit* dtpckBegin;
    QDateEdit* dtpckEind;
    QComboBox* cmbxKamerType;
    QLabel* flblTypeOmschr;
    QLabel* pnlCap;
    QWidget* pnlMain;
    TGridView* gvGrid;
    QWidget* pnlOnder;
    QPushButton* btnOk;
    QPushButton* btnAnnuleren;

protected:
    void FormShow() override;

private:
    void MaakWidgets();
    QWidget* MaakRelatie();
    QWidget* MaakBoven();
    QWidget* MaakOnder();
    // False, after telling the user, when there are no rooms or no room types.
    bool Laad();
    void cmbxKamerTypeChange();
    void VulGrid();

    QString titel_;
    std::vector<brlib::stKamer> kamers_;
    std::vector<brlib::stKamerType> types_;
    bool geladen_ = false;
};
