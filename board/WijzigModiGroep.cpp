// WijzigModi: putting a reservation in the group of another.

#include "board/GroepToekenning.h"
#include "board/WijzigModi.h"
#include "host/base/EBrRuntime.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/ui/Messages.h"

namespace bord {

ModusReactie WijzigModi::KlikGroep()
{
    if (bord_.geselecteerd.IsLeeg() || bord_.aangewezen != bord_.geselecteerd)
        return ModusReactie::Niets;
    if (bord_.groepModus == 2)
        return BevestigGroep();
    groepRes_ = bord_.geselecteerd;
    ZetInstructie(QStringLiteral("Selecteer de groep waaraan u reservering ") + groepRes_.String(2, 5) +
                  QStringLiteral(" wilt gaan toekennen"));
    bord_.groepModus = 2;
    return ModusReactie::Stap2;
}

ModusReactie WijzigModi::BevestigGroep()
{
    bord_.groepModus = 0;
    GroepToekenning t{groepRes_, bord_.geselecteerd};
    try {
        brlib::RsvReserveringCursorRandom cursor;
        t.groepA = cursor.At(t.a, 0).groepNr;
        t.groepB = cursor.At(t.b, 0).groepNr;
    } catch (const EBrRuntime& fout) {
        ErrorMsg(fout.Message(), titel_);
        Stop();
        return ModusReactie::Einde;
    }
    if (const QString bezwaar = GroepBezwaar(t); !bezwaar.isEmpty())
        WarningMsg(bezwaar, kGroepTitel);
    else if (WarningMsg(GroepVraag(t), kGroepTitel, msg::mbYesNo) == msg::idYes &&
             RegistreerGroep(t, titel_) == Afloop::Mislukt)
        WarningMsg(QStringLiteral("Kan de groep niet toekennen: de reserveringen worden op een andere werkplek "
                                  "bijgewerkt. Probeer het opnieuw."),
                   kGroepTitel);
    Stop();
    return ModusReactie::Einde;
}

}  // namespace bord
