// TfrmRsvResGeg: edit mode, the end date and the save.

#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "host/base/EBrRuntime.h"
#include "host/brlib/Inlezen.h"
#include "host/ui/Messages.h"
#include "host/ui/TGridView.h"
#include "reservation/EindDatumWijziging.h"
#include "reservation/KamerGrid.h"
#include "reservation/ProductPagina.h"
#include "reservation/RadioGroup.h"
#include "reservation/RelatiePagina.h"
#include "reservation/ResGegBewaren.h"
#include "reservation/ResProducten.h"
#include "reservation/Rsvresgegunit.h"

void TfrmRsvResGeg::btnEditClick()
{
    if (modus_ != mdRaadplegen)
        return;
    btnOk->show();
    pnlEindDatum->show();
    dtpckEindDatum->setDate(ToQDate(opgeslagen_.res.eind));
    for (QWidget* knop : std::initializer_list<QWidget*>{btnAfdrukken, btnEmail, btnEdit, btnInCheck, btnResAnnu,
                                                         btnDelUitGroep})
        knop->hide();
    btnAnnuleren->setText(QStringLiteral("Annuleren"));
    btnSelRel->show();
    ZetKeuzesBewerkbaar(false, true);
    // Once a room is checked in, the reservation's type stays.
    rdgrpResType->setEnabled(opgeslagen_.res.IsVolledigOpenstaand());
    SetCaption(QStringLiteral("Wijzigen reserveringsgegevens"));
    relatie_->ZetBewerkbaar(true, pgMain->currentWidget() == tbRelatie);
    gvKamers->SetEditMode(true, pgMain->currentWidget() == tbKamers);
    producten_->ZetBewerkbaar(producten_->KanBewerken());
    reExtra->setReadOnly(false);
    if (pgMain->currentWidget() == tbExtra)
        reExtra->setFocus();
    modus_ = mdWijzigen;
}

void TfrmRsvResGeg::btnOkClick()
{
    if (modus_ != mdWijzigen) {
        SetModalResult(mrOk);
        return;
    }
    btnOk->setEnabled(false);
    const TDateTime nieuwEind = FromQDate(dtpckEindDatum->date());
    if (const std::optional<QString> weigering = WeigerEindDatum(opgeslagen_.res, nieuwEind)) {
        WarningMsg(*weigering, titel_);
    } else {
        Verzamel();
        Bewaar(nieuwEind);
    }
    btnOk->setEnabled(true);
}

// The lines priced for `nieuwEind`; as read when the end date stays. A room
// without rates is told, and the save goes on with what could be priced.
brlib::RsvReservering TfrmRsvResGeg::GeprijsdVoor(TDateTime nieuwEind) const
{
    brlib::RsvReservering res = opgeslagen_.res;
    if (nieuwEind == res.eind)
        return res;
    try {
        std::vector<brlib::stKamer> kamers;
        brlib::InlezenKamers(kamers);
        if (!PrijsVoorEindDatum(res, nieuwEind, kamers))
            ErrorMsg(QStringLiteral("Kan voor deze periode geen tarieven bepalen!"), titel_);
    } catch (const EBrRuntime& fout) {
        ErrorMsg(fout.Message(), titel_);
    }
    return res;
}

void TfrmRsvResGeg::Bewaar(TDateTime nieuwEind)
{
    ResWijziging wijziging = MaakWijziging(opgeslagen_.res, GeprijsdVoor(nieuwEind), gegevens_, voorRegs_);
    LeesPersonen(*gvKamers, wijziging.regels);
    wijziging.productenOpslaan = producten_->Volledig();
    const ActieUitkomst uitkomst = BewaarResWijziging(wijziging, titel_);
    if (uitkomst == ActieUitkomst::Gedaan)
        BestelBijKassa();
    // After a change elsewhere the form shows that change; without the lock the edits stay.
    if (uitkomst == ActieUitkomst::Gedaan || uitkomst == ActieUitkomst::Geweigerd)
        Laad();
}

// Registered products live on the till's open bill: the save orders what the user changed there.
void TfrmRsvResGeg::BestelBijKassa()
{
    if (producten_->Registratie().IsLeeg() || !producten_->Bewerkbaar())
        return;
    QString fout;
    if (!BestelVerschillen(producten_->Registratie(), producten_->BewerkbareRegels(), fout))
        WarningMsg(QStringLiteral("De wijzigingen zijn opgeslagen, maar de producten zijn niet aan de kassa "
                                  "doorgegeven:\n") + fout,
                   titel_);
}

void TfrmRsvResGeg::btnAnnulerenClick()
{
    if (modus_ != mdWijzigen) {
        SetModalResult(mrCancel);
        return;
    }
    SetModalResult(mrNone);
    Laad();
}
