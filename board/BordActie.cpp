#include "board/BordActie.h"

#include "reservation/ResActie.h"

namespace bord {

namespace {

void Toon(const StapUitkomst& stap, const QString& titel)
{
    const QString& t = stap.titel.isEmpty() ? titel : stap.titel;
    switch (stap.soort) {
    case MsgKind::Error: ErrorMsg(stap.melding, t); break;
    case MsgKind::Warning: WarningMsg(stap.melding, t); break;
    case MsgKind::Info: InfoMsg(stap.melding, t); break;
    }
}

}  // namespace

Afloop VoerUit(const Schrijfstap& stap, const QString& titel)
{
    StapUitkomst gemeld = StapUitkomst::Mislukt();
    QString fout;
    const ActieUitkomst uitkomst = VoerActieUit(
        [&](ReserveringSchrijver& schrijver) {
            gemeld = stap(schrijver);
            return gemeld.afloop == Afloop::Opgeslagen;
        },
        fout);
    Afloop afloop = gemeld.afloop;
    if (uitkomst == ActieUitkomst::GeenSlot)
        afloop = Afloop::Mislukt;
    else if (uitkomst == ActieUitkomst::Fout) {
        afloop = Afloop::Gedaan;  // told below; the board reads again
        gemeld = StapUitkomst::Geweigerd(QStringLiteral("De wijziging is niet geregistreerd.\n") + fout);
    }
    if (!gemeld.melding.isEmpty())
        Toon(gemeld, titel);
    return afloop;
}

}  // namespace bord
