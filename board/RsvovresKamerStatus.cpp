// The board's room column: housekeeping sets a room's status from its context menu.
#include <QAction>
#include <QMenu>

#include "board/BordGrid.h"
#include "board/NieuweReservering.h"
#include "board/Rsvovresunit.h"
#include "host/ui/HandlerGuard.h"
#include "masterdata/KamerStatusOpslag.h"

namespace {

QString Kop(const QString& tekst) { return tekst.left(1).toUpper() + tekst.mid(1); }

}  // namespace

void TfrmRsvOvRes::dgGridKamerMenu(QPoint plek)
{
    const bord::CelTreffer cel = geometrie_.Raak(plek);
    const int index = cel.rij - bord::kKopRijen;
    if (cel.kolom < 0 || cel.kolom >= bord::kVasteKolommen || index < 0 ||
        index >= static_cast<int>(toestand_.kamers.size()))
        return;
    const int32_t kamerNr = toestand_.kamers[index].kamerNr;
    const logboek::e_KamerStatus huidig = logboek::KamerStatus(kamerNr);
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuKamerStatus"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (logboek::e_KamerStatus status : logboek::kAlleKamerStatussen) {
        QAction* actie = menu->addAction(Kop(logboek::KamerStatusTekst(status)));
        actie->setCheckable(true);
        actie->setChecked(status == huidig);
        ConnectGuarded(actie, &QAction::triggered, this, [this, kamerNr, status](bool) {
            if (logboek::ZetKamerStatus(kamerNr, status, Caption())) {
                toestand_.kamerStatus = logboek::KamerStatussen();
                Refresh(false);
            }
        });
    }
    menu->popup(dgGrid->mapToGlobal(plek));
}
