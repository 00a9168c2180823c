#include "board/BordKleuren.h"

#include <algorithm>

#include "board/BordDatums.h"
#include "host/tillra/Kleur.h"

namespace bord {

namespace {

constexpr TColor kGekozen = 0xFFFF00;
constexpr TColor kWijzer = 0x00FFFF;
constexpr TColor kVandaag = 0xFFE2C6;

bool Even(int kolom) { return kolom % 2 == 0; }

TColor VasteKleur(const BordToestand& t, int kolom, int rij, int datum, int vandaag)
{
    const auto isKolomVan = [&](TDateTime gekozen) { return gekozen != 0 && DagGetal(gekozen) == datum; };
    if (rij == t.nieuwRij)
        return kGekozen;
    if (isKolomVan(t.gekozenBegin) || isKolomVan(t.gekozenEind))
        return kGekozen;
    if ((t.cursorHor > 0 && rij == t.wijzerRij) || (t.cursorVert > 0 && kolom == t.wijzerKolom))
        return kWijzer;
    if (datum == vandaag)
        return kVandaag;
    return Even(kolom) ? 0xD0D0D0 : 0xE0E0E0;
}

TColor DagKleur(const BordToestand& t, int kolom, int rij, int datum, int vandaag)
{
    const bool wijzerRij = t.cursorHor == cursorKopEnCellen && rij == t.wijzerRij;
    const bool wijzerKolom = t.cursorVert == cursorKopEnCellen && kolom == t.wijzerKolom;
    if (wijzerRij || wijzerKolom)
        return Tillra::Lighten(kWijzer, 0.4);
    if (datum == vandaag)
        return kVandaag;
    return Even(kolom) ? 0xEEEEEE : 0xFFFFFF;
}

// The line whose days the whole board shades: the chosen line while moving,
// else the common period of the new lines (the first of them; all share it).
const brlib::stRes* GedeeldePeriode(const BordToestand& t)
{
    const int aantal = static_cast<int>(t.items.size());
    if (t.verplaatsModus == 2)
        return t.verplaatsItem >= 0 && t.verplaatsItem < aantal ? &t.items[t.verplaatsItem] : nullptr;
    if (!t.slepen && !t.HeeftNieuweRegels())
        return nullptr;
    int eerste = aantal;
    while (eerste > 0 && t.items[eerste - 1].nieuw)
        --eerste;
    return eerste < aantal ? &t.items[eerste] : nullptr;
}

bool BinnenPeriode(const brlib::stRes& regel, int datum)
{
    const int b = DagGetal(regel.begin);
    const int e = DagGetal(regel.eind);
    return std::min(b, e) <= datum && datum <= std::max(b, e);
}

}  // namespace

std::array<LegendaRij, 6> Legenda(const KleurTabel& tabel)
{
    const QString inspringing(12, QLatin1Char(' '));
    return {{{inspringing + QStringLiteral("Niet ingechecked"), tabel.nietIngecheckt},
             {inspringing + QStringLiteral("Ingechecked"), tabel.ingecheckt},
             {inspringing + QStringLiteral("Uitgechecked"), tabel.uitgecheckt},
             {inspringing + QStringLiteral("Optie"), tabel.optie},
             {inspringing + QStringLiteral("Blokkade"), tabel.blokkade},
             {inspringing + QStringLiteral("Groep selectie"), tabel.groep}}};
}

TColor AchtergrondKleur(const BordToestand& toestand, int kolom, int rij, TDateTime vandaag)
{
    const int datum = DagGetal(KolomDatum(toestand.startDatum, kolom));
    const int dagVandaag = DagGetal(vandaag);
    if (rij == 0 || kolom < kVasteKolommen)
        return VasteKleur(toestand, kolom, rij, datum, dagVandaag);
    const brlib::stRes* periode = GedeeldePeriode(toestand);
    if (periode && BinnenPeriode(*periode, datum))
        return Even(kolom) ? 0xAAEEEE : 0xBBFFFF;
    return DagKleur(toestand, kolom, rij, datum, dagVandaag);
}

bool RijDoetMee(const BordToestand& toestand, int32_t kamerNr)
{
    if (toestand.verplaatsModus > 0 && kamerNr == toestand.bronKamer)
        return true;
    return toestand.periodeModus == 1 || toestand.groepModus > 0;
}

TColor BalkKleur(const BordToestand& toestand, const KleurTabel& tabel, const brlib::stRes& item, int nibble)
{
    TColor kleur = item.soort == 1 ? tabel.optie : item.soort == 2 ? tabel.blokkade : tabel.nietIngecheckt;
    if (!item.inCheck.sleutel.IsLeeg())
        kleur = item.inCheck.uitgecheckt ? tabel.uitgecheckt : tabel.ingecheckt;
    if (nibble & kStatusVoorlopig)
        return tabel.voorlopig;
    if (nibble & kStatusLicht)
        return RijDoetMee(toestand, item.kamerNr) ? tabel.modus : Tillra::Lighten(kleur, 0.6);
    return kleur;
}

TColor TekstKleur(const BordToestand& toestand, const brlib::stRes& item)
{
    if (!toestand.geselecteerd.IsLeeg() && item.resSleutel == toestand.geselecteerd)
        return 0x000000;
    return item.nieuw ? 0x00FFFF : 0xFFFFFF;
}

}  // namespace bord
