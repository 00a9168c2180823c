// WijzigModi: shifting the period of a whole reservation.

#include "board/NieuwVrij.h"
#include "board/PeriodeWijziging.h"
#include "board/WijzigModi.h"
#include "host/base/DatumTekst.h"
#include "host/base/EBrRuntime.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/ui/Messages.h"

namespace bord {

namespace {

QString Datum(TDateTime d) { return FormatDateTime(QStringLiteral("dd-mm-yyyy"), d); }

}  // namespace

ModusReactie WijzigModi::KlikPeriode(const BordPlek& plek, int item)
{
    if (bord_.periodeModus == 2)
        return BevestigPeriode();
    if (item < 0 || bord_.items[item].resSleutel != bord_.geselecteerd || bord_.items[item].nieuw)
        return ModusReactie::Niets;
    return KiesReservering(plek);
}

ModusReactie WijzigModi::KiesReservering(const BordPlek& plek)
{
    try {
        brlib::RsvReserveringCursorRandom cursor;
        if (cursor.At(bord_.geselecteerd, brlib::roRegels).KamersGesplitst()) {
            WarningMsg(GesplitstTekst(), QStringLiteral("Verplaatsten"));
            return ModusReactie::Herteken;
        }
    } catch (const EBrRuntime& fout) {
        ErrorMsg(fout.Message(), titel_);
        return ModusReactie::Herteken;
    }
    for (const brlib::stRes& regel : bord_.items)
        if (regel.resSleutel == bord_.geselecteerd) {
            oudBegin_ = nieuwBegin_ = regel.begin;
            oudEind_ = nieuwEind_ = regel.eind;
            break;
        }
    periodeRes_ = bord_.geselecteerd;
    klikDatum_ = plek.datum;
    ToonPeriode();
    ZetInstructie(QStringLiteral("Selecteer de nieuwe periode voor reservering ") + periodeRes_.String(2, 5));
    bord_.periodeModus = 2;
    return ModusReactie::Stap2;
}

// The stay keeps its length and moves as a whole, within its year and onto rooms that are free.
ModusReactie WijzigModi::SchuifPeriode(const BordPlek& plek)
{
    if (plek.soort != PlekSoort::Dag && plek.soort != PlekSoort::DagKop)
        return ModusReactie::Niets;
    const TDateTime schuif = plek.datum - klikDatum_;
    const TDateTime begin = oudBegin_ + schuif;
    const TDateTime eind = oudEind_ + schuif;
    if (begin == nieuwBegin_ || Jaar(begin) != Jaar(oudBegin_))
        return ModusReactie::Niets;
    std::vector<brlib::stRes> proef = bord_.items;
    for (brlib::stRes& regel : proef)
        if (regel.resSleutel == periodeRes_) {
            regel.begin = begin;
            regel.eind = eind;
        }
    for (size_t i = 0; i < proef.size(); ++i)
        if (proef[i].resSleutel == periodeRes_ && !RegelVrij(proef, i))
            return ModusReactie::Niets;
    bord_.items = std::move(proef);
    nieuwBegin_ = begin;
    nieuwEind_ = eind;
    ToonPeriode();
    return ModusReactie::Herbouw;
}

// The header marks the columns of the period as it would be stored.
void WijzigModi::ToonPeriode()
{
    bord_.gekozenBegin = nieuwBegin_;
    bord_.gekozenEind = nieuwEind_;
}

ModusReactie WijzigModi::BevestigPeriode()
{
    bord_.periodeModus = 0;
    ZetInstructie(QStringLiteral("Nieuwe periode: ") + Datum(nieuwBegin_) + QStringLiteral(" t/m ") +
                  Datum(nieuwEind_));
    if (WarningMsg(QStringLiteral("Wilt u de periode wijziging van deze reservering opslaan?"),
                   QStringLiteral("Periode wijzigen"), msg::mbYesNo) != msg::idYes) {
        Stop();
        return ModusReactie::Einde;
    }
    PeriodeWijziging p{periodeRes_, nieuwBegin_, nieuwEind_};
    if (const brlib::stExtraRes* extra = bord_.ExtraVan(periodeRes_)) {
        p.tellerBekend = true;
        p.wijzigTeller = extra->wijzigTeller;
    }
    return Geregistreerd(RegistreerPeriodeWijziging(p, titel_),
                         QStringLiteral("Kan periode wijziging niet registreren!"));
}

}  // namespace bord
