#pragma once
// The details of a reservation, in three modes:
//  - new: the planning board opens it modal while it composes a reservation:
//    it hands in what it has gathered, the user completes it, and on OK the
//    board takes the block back and registers the reservation itself. In this
//    mode the form writes nothing to disk.
//      TfrmRsvResGeg dlg(board, nullptr, standAlone);
//      dlg.ZetGegevens(gegevens, totaalBedrag);
//      if (ShowModal(dlg) == mrOk)
//          gegevens = dlg.Gegevens();
//    or in one call: VraagResGegevens(board, standAlone, gegevens, totaalBedrag).
//  - view: a stored reservation by its number (ZetReservering); "Wijzigen"
//    goes to edit mode, "Reservering annuleren" and "Verwijder uit groep"
//    write at once. Modal results: 1 changed (or cancelled), 2 closed,
//    3 the user asks to check the reservation in or out.
//  - edit: OK saves and goes back to view mode, "Annuleren" drops the edits.

#include <vector>

#include "frame/HostedForm.h"
#include "host/base/JaarNr.h"
#include "reservation/OpgeslagenRes.h"
#include "reservation/ResGegevens.h"

class ProductPagina;
class RelatiePagina;
class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class TGridView;
class TRadioGroup;
namespace Tillra {
class ArtikelSelectieKnoppen;
}

class TfrmRsvResGeg : public THostedForm<TfrmRsvResGeg> {
    Q_OBJECT
public:
    // `manager` is null when the form runs modal (the board passes none);
    // `standAlone` is the board's own flag (full-screen till use).
    TfrmRsvResGeg(QWidget* owner, TChildWindowManager* manager, bool standAlone);

    enum Modus { mdRaadplegen = 0, mdNieuw = 1, mdWijzigen = 2 };

    // New mode: the block shown when the form shows; the total is shown only.
    void ZetGegevens(const ResGegevens& gegevens, double totaalBedrag);
    // View mode: the stored reservation shown when the form shows.
    void ZetReservering(JaarNr reservering) { reservering_ = reservering; }
    Modus GetModus() const { return modus_; }
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
    QLabel* pnlArtCap;
    QLabel* pnlNietEditInfo;
    TGridView* gvArt;
    QPushButton* btnPgUp;
    QPushButton* btnPgDn;
    QPushButton* btnUp;
    QPushButton* btnDown;
    QWidget* pnlArtOnder;
    QPushButton* btnArtPrijs;
    QPushButton* btnArtAantal;
    QPushButton* btnArtKorting;
    QPushButton* btnArtDel;
    QWidget* pnlArtEdit;
    QLabel* lblArtEdit;
    QLineEdit* edtArtPrijs;
    QLineEdit* edtArtAantal;
    QPushButton* btnEditOk;
    QPushButton* btnEditAnnuleren;
    Tillra::ArtikelSelectieKnoppen* pnlArtKnoppen;
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
    void reject() override;

private:
    void Verbind();
    void Laad();
    bool LeesOpgeslagen();
    void ToonKeuzes();
    void ZetNieuweModus();
    void ZetRaadpleegModus();
    void ZetKeuzesBewerkbaar(bool typeOok, bool aan);
    void Verzamel();
    void pgMainChange();

    // Edit mode and its save (RsvresgegWijzigen.cpp).
    void btnEditClick();
    void btnOkClick();
    void btnAnnulerenClick();
    brlib::RsvReservering GeprijsdVoor(TDateTime nieuwEind) const;
    void Bewaar(TDateTime nieuwEind);
    void BestelBijKassa();
    // Cancel and group removal (RsvresgegAnnuleren.cpp).
    void btnResAnnuClick();
    void btnDelUitGroepClick();
    // The reservation's document (RsvresgegDocument.cpp).
    void btnAfdrukkenClick();
    void btnEmailClick();

    const QString titel_;
    JaarNr reservering_;
    Modus modus_ = mdNieuw;
    OpgeslagenRes opgeslagen_;
    ResGegevens gegevens_;
    std::vector<brlib::stVoorReg> voorRegs_;
    double totaalBedrag_ = 0;
    bool standAlone_;
    RelatiePagina* relatie_;
    ProductPagina* producten_;
};

// Shows the details form for a new reservation over `owner` and, when the user
// confirms, replaces `gegevens` with the edits. True after OK.
bool VraagResGegevens(QWidget* owner, bool standAlone, ResGegevens& gegevens, double totaalBedrag);
