// The mouse routes of the new-reservation mode: the header route (room, begin
// day, end day), dragging a first line, and placing further rooms.

#include <utility>

#include "board/NieuwVrij.h"
#include "board/NieuweReservering.h"
#include "host/ui/Messages.h"
#include "logboek/KamerStatus.h"

namespace bord {

BordPlek PlekVan(const CelTreffer& treffer, TDateTime startDatum)
{
    if (treffer.kolom < 0 || treffer.rij < 0)
        return {};
    const int kamer = treffer.rij - kKopRijen;
    if (treffer.kolom < kVasteKolommen)
        return kamer < 0 ? BordPlek{} : BordPlek{PlekSoort::Kamer, kamer, 0};
    const TDateTime datum = startDatum + (treffer.kolom - kVasteKolommen);
    return kamer < 0 ? BordPlek{PlekSoort::DagKop, -1, datum} : BordPlek{PlekSoort::Dag, kamer, datum};
}

bool NieuweReservering::MuisNeer(const BordPlek& plek)
{
    if (!bord_.nieuwModus)
        return false;
    if (aantalRegels_ > 0) {
        PlaatsVoorlopige(plek);
        BevestigVoorlopige();
        return true;
    }
    if (plek.soort == PlekSoort::Dag && IsKamerRij(plek.rij) && !bord_.HeeftNieuweRegels())
        return BeginSlepen(plek);
    return KopRoute(plek);
}

bool NieuweReservering::MuisBeweeg(const BordPlek& plek)
{
    if (!bord_.nieuwModus)
        return false;
    if (bord_.slepen)
        return Sleep(plek);
    return aantalRegels_ > 0 && PlaatsVoorlopige(plek);
}

bool NieuweReservering::MuisOp()
{
    if (bord_.slepen) {
        EindigSlepen();
        return true;
    }
    if (stap_ != stapGekozen)
        return false;
    RondKopRouteAf();
    return true;
}

bool NieuweReservering::IsKamerRij(int rij) const
{
    return rij >= 0 && rij < static_cast<int>(bord_.kamers.size());
}

bool NieuweReservering::KopRoute(const BordPlek& plek)
{
    if (plek.soort == PlekSoort::Kamer && stap_ >= stapKamer && stap_ <= stapEind)
        return KiesKamer(plek.rij);
    if (plek.soort == PlekSoort::DagKop && stap_ == stapBegin) {
        bord_.gekozenBegin = plek.datum;
        stap_ = stapEind;
        return true;
    }
    if (plek.soort == PlekSoort::DagKop && stap_ == stapEind && plek.datum > bord_.gekozenBegin)
        return KiesEind(plek.datum);
    return false;
}

// Housekeeping took the room of row `rij` out of use (as the board last read it).
bool NieuweReservering::BuitenGebruik(int rij) const
{
    return logboek::StatusIn(bord_.kamerStatus, bord_.kamers[rij].kamerNr) == logboek::ksBuitenGebruik;
}

// True, after the warning, when the room of row `rij` is out of use.
bool NieuweReservering::MeldBuitenGebruik(int rij) const
{
    if (!BuitenGebruik(rij))
        return false;
    WarningMsg(logboek::BuitenGebruikTekst(bord_.kamers[rij].kamerNr), titel_);
    return true;
}

bool NieuweReservering::KiesKamer(int rij)
{
    if (!IsKamerRij(rij) || rij + kKopRijen == bord_.nieuwRij || MeldBuitenGebruik(rij))
        return false;
    WisKeuze();
    bord_.nieuwRij = rij + kKopRijen;
    stap_ = stapBegin;
    return true;
}

bool NieuweReservering::KiesEind(TDateTime datum)
{
    if (datum - bord_.gekozenBegin > kMaxNachten) {
        WarningMsg(nieuw::PeriodeTeLang(), titel_);
        return false;
    }
    bord_.gekozenEind = datum;
    stap_ = stapGekozen;
    return true;
}

void NieuweReservering::RondKopRouteAf()
{
    stap_ = stapGeen;
    const int32_t kamerNr = bord_.kamers[bord_.nieuwRij - kKopRijen].kamerNr;
    if (KamerBezet(bord_.items, kamerNr, bord_.gekozenBegin, bord_.gekozenEind)) {
        WarningMsg(nieuw::KamerBezetTekst(kamerNr), titel_);
        bord_.gekozenBegin = bord_.gekozenEind = 0;
        stap_ = stapBegin;
        return;
    }
    bord_.items.push_back(NieuweRegel(kamerNr, bord_.gekozenBegin, bord_.gekozenEind, false));
    Bevestig(bord_.items.back());
    sjabloon_ = bord_.items.back();
    aantalRegels_ = 1;
    WisKeuze();
}

bool NieuweReservering::BeginSlepen(const BordPlek& plek)
{
    if (MeldBuitenGebruik(plek.rij))
        return false;
    WisKeuze();
    stap_ = stapKamer;
    bord_.items.push_back(NieuweRegel(bord_.kamers[plek.rij].kamerNr, plek.datum, plek.datum, true));
    bord_.slepen = true;
    return true;
}

// The end follows the pointer as far as the room stays free.
bool NieuweReservering::Sleep(const BordPlek& plek)
{
    brlib::stRes& regel = bord_.items.back();
    if (plek.soort != PlekSoort::Dag || plek.datum == regel.eind)
        return false;
    const TDateTime vorige = std::exchange(regel.eind, plek.datum);
    if (RegelVrij(bord_.items, bord_.items.size() - 1))
        return true;
    regel.eind = vorige;
    return false;
}

void NieuweReservering::EindigSlepen()
{
    bord_.slepen = false;
    brlib::stRes& regel = bord_.items.back();
    if (regel.eind == regel.begin) {
        bord_.items.pop_back();
        return;
    }
    // Dragged to the left: the day pressed first is the departure.
    if (regel.eind < regel.begin)
        std::swap(regel.begin, regel.eind);
    Bevestig(regel);
    sjabloon_ = regel;
    aantalRegels_ = 1;
    stap_ = stapGeen;
}

// The template period on the room under the pointer, while that room is free
// and the pointer is within the period; otherwise no line is pending.
bool NieuweReservering::PlaatsVoorlopige(const BordPlek& plek)
{
    const bool binnen = plek.soort == PlekSoort::Dag && IsKamerRij(plek.rij) && plek.datum >= sjabloon_.begin &&
                        plek.datum <= sjabloon_.eind && !BuitenGebruik(plek.rij);
    if (!binnen)
        return VerwijderVoorlopige();
    const int32_t kamerNr = bord_.kamers[plek.rij].kamerNr;
    const bool hadVoorlopige = HeeftVoorlopige();
    if (hadVoorlopige && bord_.items.back().kamerNr == kamerNr)
        return false;
    if (hadVoorlopige)
        bord_.items.back().kamerNr = kamerNr;
    else
        bord_.items.push_back(NieuweRegel(kamerNr, sjabloon_.begin, sjabloon_.eind, true));
    if (!RegelVrij(bord_.items, bord_.items.size() - 1))
        bord_.items.pop_back();
    return hadVoorlopige || HeeftVoorlopige();
}

void NieuweReservering::BevestigVoorlopige()
{
    if (!HeeftVoorlopige())
        return;
    Bevestig(bord_.items.back());
    ++aantalRegels_;
}

}  // namespace bord
