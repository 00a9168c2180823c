#include "board/WijzigModi.h"

#include "host/ui/Messages.h"

namespace bord {

WijzigModi::WijzigModi(BordToestand& bord, QString titel, BegindatumKeuze kiesBegin)
    : bord_(bord), titel_(std::move(titel)), kiesBegin_(std::move(kiesBegin))
{
}

void WijzigModi::Begin(ModusSoort soort)
{
    Stop();
    switch (soort) {
    case ModusSoort::Verplaatsen:
        bord_.verplaatsModus = 1;
        ZetInstructie(QStringLiteral("Kamer verplaatsen: Selecteer de te verplaatsen kamer"));
        break;
    case ModusSoort::Periode:
        bord_.periodeModus = 1;
        ZetInstructie(QStringLiteral("Periode wijzigen: Selecteer de reservering"));
        break;
    case ModusSoort::Groep:
        bord_.groepModus = 1;
        ZetInstructie(QStringLiteral("Selecteer de reservering die aan een groep moet worden toegekend."));
        break;
    }
}

void WijzigModi::Stop()
{
    bord_.verplaatsModus = bord_.periodeModus = bord_.groepModus = 0;
    bord_.bronKamer = 0;
    bord_.verplaatsItem = -1;
    bord_.gekozenBegin = bord_.gekozenEind = 0;
    regelRes_ = periodeRes_ = groepRes_ = JaarNr();
    regelNr_ = 0;
    vroegste_ = 0;
    instructie_.clear();
}

void WijzigModi::ZetInstructie(const QString& tekst)
{
    instructie_ = tekst;
    if (toonInstructie_)
        toonInstructie_(tekst);
}

bool WijzigModi::Actief() const { return bord_.verplaatsModus > 0 || bord_.periodeModus > 0 || bord_.groepModus > 0; }

bool WijzigModi::Sleept() const { return bord_.verplaatsModus == 2 || bord_.periodeModus == 2; }

bool WijzigModi::Gewezen(int rij, int item)
{
    if (bord_.verplaatsModus != 1)
        return false;
    const int32_t kamer =
        item >= 0 && rij >= 0 && rij < static_cast<int>(bord_.kamers.size()) ? bord_.kamers[rij].kamerNr : 0;
    const bool anders = kamer != bord_.bronKamer;
    bord_.bronKamer = kamer;
    return anders;
}

ModusReactie WijzigModi::Sleep(const BordPlek& plek)
{
    if (bord_.verplaatsModus == 2)
        return SleepRegel(plek);
    if (bord_.periodeModus == 2)
        return SchuifPeriode(plek);
    return ModusReactie::Niets;
}

ModusReactie WijzigModi::Klik(const BordPlek& plek, int item)
{
    if (bord_.verplaatsModus > 0)
        return KlikVerplaatsen(item);
    if (bord_.periodeModus > 0)
        return KlikPeriode(plek, item);
    if (bord_.groepModus > 0)
        return KlikGroep();
    return ModusReactie::Niets;
}

bool WijzigModi::NaHerladen()
{
    nieuwBegin_ = oudBegin_;
    nieuwEind_ = oudEind_;
    if (bord_.periodeModus == 2)
        ToonPeriode();
    if (bord_.verplaatsModus != 2)
        return true;
    bord_.verplaatsItem = -1;
    for (size_t i = 0; i < bord_.items.size(); ++i)
        if (bord_.items[i].regelNr == regelNr_ && bord_.items[i].resSleutel == regelRes_)
            bord_.verplaatsItem = static_cast<int>(i);
    vroegste_ = 0;
    if (bord_.verplaatsItem < 0 || bord_.items[bord_.verplaatsItem].kamerNr != bord_.bronKamer) {
        Stop();
        return false;
    }
    return true;
}

ModusReactie WijzigModi::Geregistreerd(Afloop afloop, const QString& mislukt)
{
    // The board reads everything again when the mode ends, its own change included.
    if (afloop == Afloop::Mislukt)
        ErrorMsg(mislukt, QStringLiteral("Registreren"));
    Stop();
    return ModusReactie::Einde;
}

}  // namespace bord
