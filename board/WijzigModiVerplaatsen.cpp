// WijzigModi: moving a line to another room, wholly or from a day on.

#include <algorithm>

#include "board/Verplaatsing.h"
#include "board/WijzigModi.h"
#include "host/ui/Messages.h"

namespace bord {

namespace {

const QString kVerplaatsen = QStringLiteral("Verplaatsen");

bool Overlapt(const brlib::stRes& a, const brlib::stRes& b) { return a.begin < b.eind && b.begin < a.eind; }

// A checked-out stay that ends inside the line need not block it: the line can
// move from that day on.
bool UitgechecktBinnen(const brlib::stRes& ander, const brlib::stRes& regel)
{
    return !ander.inCheck.sleutel.IsLeeg() && ander.inCheck.uitgecheckt && ander.eind > regel.begin &&
           ander.eind < regel.eind;
}

// Whether room `kamer` can take items[regel] as far as the loaded lines tell;
// `vroegste` gets the earliest day of a partial move (0: the whole line).
bool KamerNeemt(const std::vector<brlib::stRes>& items, size_t regel, int32_t kamer, TDateTime& vroegste)
{
    const brlib::stRes& r = items[regel];
    const bool enige = std::count_if(items.begin(), items.end(),
                                     [&](const brlib::stRes& i) { return i.resSleutel == r.resSleutel; }) == 1;
    vroegste = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        const brlib::stRes& ander = items[i];
        if (i == regel || ander.kamerNr != kamer || !Overlapt(ander, r))
            continue;
        if (!enige || !UitgechecktBinnen(ander, r))
            return false;
        vroegste = std::max(vroegste, ander.eind);
    }
    return true;
}

}  // namespace

brlib::stRes* WijzigModi::GekozenRegel()
{
    const int i = bord_.verplaatsItem;
    return i >= 0 && i < static_cast<int>(bord_.items.size()) ? &bord_.items[i] : nullptr;
}

ModusReactie WijzigModi::KlikVerplaatsen(int item)
{
    if (bord_.verplaatsModus == 2)
        return BevestigVerplaatsing();
    if (item < 0 || bord_.geselecteerd.IsLeeg() || bord_.bronKamer <= 0)
        return ModusReactie::Niets;
    return KiesRegel();
}

ModusReactie WijzigModi::KiesRegel()
{
    const auto& items = bord_.items;
    const auto gekozen = std::find_if(items.begin(), items.end(), [&](const brlib::stRes& r) {
        return r.resSleutel == bord_.geselecteerd && r.kamerNr == bord_.bronKamer && !r.nieuw;
    });
    if (gekozen == items.end())
        return ModusReactie::Niets;
    bord_.verplaatsItem = static_cast<int>(gekozen - items.begin());
    regelRes_ = gekozen->resSleutel;
    regelNr_ = gekozen->regelNr;
    vroegste_ = 0;
    metVoorReg_ = false;
    if (const brlib::stExtraRes* extra = bord_.ExtraVan(regelRes_))
        metVoorReg_ = std::any_of(extra->voorRegs.begin(), extra->voorRegs.end(), [&](const brlib::stVoorReg& v) {
            return v.kamerNr == bord_.bronKamer && !v.regels.value(0).isEmpty();
        });
    ZetInstructie(QStringLiteral("Kamer ") + QString::number(bord_.bronKamer) +
                  QStringLiteral(" verplaatsen: Selecteer de nieuwe kamer"));
    bord_.verplaatsModus = 2;
    return ModusReactie::Stap2;
}

// The guest named for the line's room shows on the room it is put on.
void WijzigModi::ZetVoorRegKamer(int32_t van, int32_t naar)
{
    if (!metVoorReg_)
        return;
    for (brlib::stExtraRes& extra : bord_.extras)
        if (extra.resSleutel == regelRes_)
            for (brlib::stVoorReg& voorReg : extra.voorRegs)
                if (voorReg.kamerNr == van) {
                    voorReg.kamerNr = naar;
                    return;
                }
}

ModusReactie WijzigModi::SleepRegel(const BordPlek& plek)
{
    brlib::stRes* regel = GekozenRegel();
    if (!regel || plek.soort != PlekSoort::Dag || plek.rij >= static_cast<int>(bord_.kamers.size()) ||
        plek.datum < regel->begin || plek.datum > regel->eind)
        return ModusReactie::Niets;
    const int32_t kamer = bord_.kamers[plek.rij].kamerNr;
    TDateTime vroegste = 0;
    if (kamer == regel->kamerNr || !KamerNeemt(bord_.items, bord_.verplaatsItem, kamer, vroegste))
        return ModusReactie::Niets;
    ZetVoorRegKamer(regel->kamerNr, kamer);
    regel->kamerNr = kamer;
    vroegste_ = vroegste;
    return ModusReactie::Herbouw;
}

std::optional<TDateTime> WijzigModi::VraagVanaf(const brlib::stRes& regel)
{
    if (vroegste_ <= 0)
        return TDateTime(0);
    const std::optional<TDateTime> vanaf = kiesBegin_(bord_.bronKamer, regel.kamerNr, vroegste_, regel.eind - 1);
    if (!vanaf)
        return std::nullopt;
    Verplaatsing v;
    v.reservering = regel.resSleutel;
    v.vanaf = *vanaf;
    if (const QString bezwaar = JaargrensBezwaar(v); !bezwaar.isEmpty()) {
        ErrorMsg(bezwaar, kVerplaatsen);
        return std::nullopt;
    }
    return vanaf;
}

ModusReactie WijzigModi::BevestigVerplaatsing()
{
    bord_.verplaatsModus = 0;
    const brlib::stRes* regel = GekozenRegel();
    if (!regel || regel->kamerNr == bord_.bronKamer) {
        Stop();
        return ModusReactie::Einde;
    }
    const bool alGeboekt = std::any_of(bord_.items.begin(), bord_.items.end(), [&](const brlib::stRes& r) {
        return &r != regel && r.resSleutel == regel->resSleutel && r.kamerNr == regel->kamerNr;
    });
    if (alGeboekt) {
        WarningMsg(QStringLiteral("Kan niet verplaatsen: Deze kamer is binnen deze reservering al eens geboekt."),
                   kVerplaatsen);
        bord_.verplaatsModus = 2;
        return ModusReactie::Herteken;
    }
    const std::optional<TDateTime> vanaf = VraagVanaf(*regel);
    if (!vanaf) {
        bord_.verplaatsModus = 2;
        return ModusReactie::Herteken;
    }
    const QString bron = QString::number(bord_.bronKamer);
    const QString doel = QString::number(regel->kamerNr);
    ZetInstructie(QStringLiteral("Kamer ") + bron + QStringLiteral(" verplaatsen naar kamer ") + doel);
    const QString vraag = QStringLiteral("Wilt u de reservering van kamer ") + bron +
                          QStringLiteral(" verplaatsen naar kamer ") + doel + QStringLiteral(" ?");
    if (WarningMsg(vraag, kVerplaatsen, msg::mbYesNo) != msg::idYes) {
        Stop();
        return ModusReactie::Einde;
    }
    Verplaatsing v{regel->resSleutel, regel->regelNr, regel->begin, regel->eind, bord_.bronKamer, regel->kamerNr,
                   *vanaf};
    if (const brlib::stExtraRes* extra = bord_.ExtraVan(regel->resSleutel)) {
        v.tellerBekend = true;
        v.wijzigTeller = extra->wijzigTeller;
    }
    return Geregistreerd(RegistreerVerplaatsing(v, titel_), QStringLiteral("Kan verplaatsing niet registreren!"));
}

}  // namespace bord
