#pragma once
// The details of a reservation. The planning board opens it modal while it
// composes a new reservation: it hands in what it has gathered, the user
// completes it, and on OK the board takes the block back and registers the
// reservation itself. In this mode the form writes nothing to disk.
//
//   TfrmRsvResGeg dlg(board, nullptr, standAlone);
//   dlg.ZetGegevens(gegevens, totaalBedrag);
//   if (ShowModal(dlg) == mrOk)
//       gegevens = dlg.Gegevens();
//
// or in one call: VraagResGegevens(board, standAlone, gegevens, totaalBedrag).

#include "frame/HostedForm.h"
#include "reservation/ResGegevens.h"

class GastGrid;
class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TGridView;
class TRadioGroup;

class TfrmRsvResGeg : public THostedForm<TfrmRsvResGeg> {
    Q_OBJECT
public:
    // `manager` is null when the form runs modal (the board passes none);
    // `standAlone` is the board's own flag (full-screen till use).
    TfrmRsvResGeg(QWidget* owner, TChildWindowManager* manager, bool standAlone);

    // The block shown when the form shows; the total is shown only.
    void ZetGegevens(const ResGegevens& gegevens, double totaalBedrag);
    // The block as the form leaves it: with the user's edits after OK,
    // as handed in otherwise.
    const ResGegevens& Gegevens() const { return gegevens_; }

    QWidget* pnlBoven;
    QLabel* flblResBoekNr;
    QLabel* flblRegDatum;
    QLabel* flblTotBedrag;
    QLabel* flblStatus;
    QLabel* lblGroepNr;
    QLabel* flblGroepNr;
    TRadioGroup* rdgrpResType;
    TRadioGroup* rdgrpZakPriv;
    TRadioGroup* rdgrpNat;
    QGroupBox* grpbxExtra;
    QCheckBox* chkbxExtra1;
    QCheckBox* chkbxExtra2;
    QCheckBox* chkbxExtra3;
    QWidget* pnlButtons;
    QPushButton* btnInCheck;
    QPushButton* btnResAnnu;
    QPushButton* btnDelUitGroep;
    QTabWidget* pgMain;
    QWidget* tbRelatie;
    QWidget* pnlRelInfo;
    QLabel* flblRelNr;
    QPushButton* btnSelRel;
    QPushButton* btnVoorReg;
    TGridView* gvGrid;
    QWidget* pnlVoorReg;
    QWidget* tbExtra;
    QPlainTextEdit* reExtra;
    QWidget* tbKamers;
    TGridView* gvKamers;
    QWidget* tbArtikel;
    QWidget* pnlOnder;
    QPushButton* btnAfdrukken;
    QPushButton* btnEmail;
    QPushButton* btnEdit;
    QWidget* pnlEindDatum;
    QDateEdit* dtpckEindDatum;
    QPushButton* btnMinEindDat;
    QPushButton* btnPlusEindDat;
    QPushButton* btnOk;
    QPushButton* btnAnnuleren;

protected:
    void FormShow() override;
    bool FormCloseQuery() override;
    void FormClose(TCloseAction& action) override;
    void done(int result) override;
    void reject() override;

private:
    void Laad();
    void ToonKeuzes();
    void ToonRelatieNr(int32_t relatieNr);
    void ZetNieuweModus();
    void Verzamel();

    ResGegevens gegevens_;
    double totaalBedrag_ = 0;
    bool standAlone_;
    GastGrid* gastGrid_;
};

// Shows the details form for a new reservation over `owner` and, when the user
// confirms, replaces `gegevens` with the edits. True after OK.
bool VraagResGegevens(QWidget* owner, bool standAlone, ResGegevens& gegevens, double totaalBedrag);
