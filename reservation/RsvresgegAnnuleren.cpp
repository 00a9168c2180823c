// TfrmRsvResGeg: cancelling the reservation and taking it out of its group.

#include <QPushButton>

#include "host/ui/Messages.h"
#include "reservation/ResAnnulering.h"
#include "reservation/Rsvresgegunit.h"

void TfrmRsvResGeg::btnResAnnuClick()
{
    if (WarningMsg(QStringLiteral("Wilt u deze reservering annuleren?"), QStringLiteral("Reservering annuleren"),
                   msg::mbYesNo) != msg::idYes)
        return;
    const ActieUitkomst uitkomst = AnnuleerReservering(reservering_, opgeslagen_.res.wijzigTeller, titel_);
    // Cancelled, or changed elsewhere meanwhile: either way this view is over.
    if (uitkomst == ActieUitkomst::Gedaan || uitkomst == ActieUitkomst::Geweigerd)
        SetModalResult(mrOk);
}

void TfrmRsvResGeg::btnDelUitGroepClick()
{
    const QString vraag = QStringLiteral("Wilt u deze reservering uit groep ") +
                          QString::number(opgeslagen_.res.groepNr) + QStringLiteral(" verwijderen?");
    if (WarningMsg(vraag, QStringLiteral("Verwijder uit groep"), msg::mbYesNo) != msg::idYes)
        return;
    if (VerwijderUitGroep(reservering_, titel_) == ActieUitkomst::Gedaan)
        Laad();
}
