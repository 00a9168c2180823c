#include "board/BordTekenaar.h"

#include <algorithm>

#include "board/BordBalk.h"
#include "board/BordDatums.h"
#include "host/base/DatumTekst.h"

namespace bord {

namespace {

constexpr TColor kLijn = 0xDDDDDD;
constexpr TColor kWeekLijn = 0x444444;

void ZetVet(QPainter& p, bool vet)
{
    if (p.font().bold() == vet)
        return;
    QFont font = p.font();
    font.setBold(vet);
    p.setFont(font);
}

void TekenTekst(QPainter& p, const QRect& rect, int uitlijning, const QString& tekst, bool vet)
{
    ZetVet(p, vet);
    p.drawText(rect, uitlijning, tekst);
}

// The housekeeping mark of a room that is not clean: its number cell tinted,
// a bar in the status colour at its left edge; a room out of use is struck through.
void TekenKamerStatus(QPainter& p, const QRect& cel, logboek::e_KamerStatus status)
{
    struct Kleuren {
        QColor bar;
        QColor tint;
    };
    static const std::map<logboek::e_KamerStatus, Kleuren> kleuren{
        {logboek::ksVuil, {QColor(0xD0, 0x80, 0x00), QColor(0xFF, 0xE4, 0xB8)}},
        {logboek::ksGecontroleerd, {QColor(0x00, 0x96, 0x00), QColor(0xD4, 0xF2, 0xD4)}},
        {logboek::ksBuitenGebruik, {QColor(0xC0, 0x00, 0x00), QColor(0xF6, 0xC8, 0xC8)}}};
    const auto kleur = kleuren.find(status);
    if (kleur == kleuren.end())
        return;
    p.fillRect(cel.adjusted(0, 0, -1, -1), kleur->second.tint);
    p.fillRect(QRect(cel.left(), cel.top(), 3, cel.height() - 1), kleur->second.bar);
    if (status == logboek::ksBuitenGebruik)
        p.fillRect(QRect(cel.left() + 4, cel.center().y(), cel.width() - 6, 1), kleur->second.bar);
}

}  // namespace

BordTekenaar::BordTekenaar(const BordToestand& toestand, const BordGeometrie& geometrie, const KleurTabel& tabel,
                           TDateTime vandaag)
    : toestand_(toestand), geometrie_(geometrie), tabel_(tabel), vandaag_(vandaag)
{
}

void BordTekenaar::TekenCel(QPainter& p, int kolom, int rij) const
{
    TekenCelDelen(p, kolom, rij);
    TekenBijschriften(p);
}

void BordTekenaar::TekenCelDelen(QPainter& p, int kolom, int rij) const
{
    const QRect cel = geometrie_.CelRect(kolom, rij);
    if (toestand_.kamers.empty() || cel.isEmpty() || rij > static_cast<int>(toestand_.kamers.size()))
        return;
    const bool basisVet = p.font().bold();
    ZetVet(p, false);
    p.fillRect(cel, QKleur(AchtergrondKleur(toestand_, kolom, rij, vandaag_)));
    TekenLijnen(p, cel, kolom);
    p.setPen(Qt::black);
    TekenVasteTekst(p, cel, kolom, rij);
    if (rij > 0 && kolom >= kVasteKolommen && rij <= static_cast<int>(toestand_.cellen.size()))
        TekenBalken(p, cel, kolom, rij);
    ZetVet(p, basisVet);
}

void BordTekenaar::TekenGrid(QPainter& p, const QRect& gebied) const
{
    const auto teken = [&](int rij) {
        for (int kolom = 0; kolom < geometrie_.Kolommen(); ++kolom)
            if (gebied.isEmpty() || gebied.intersects(geometrie_.CelRect(kolom, rij)))
                TekenCelDelen(p, kolom, rij);
        TekenBijschriften(p);
    };
    teken(0);
    for (int rij = geometrie_.TopRij(); rij <= geometrie_.LaatsteZichtbareRij(); ++rij)
        teken(rij);
}

void BordTekenaar::TekenLijnen(QPainter& p, const QRect& cel, int kolom) const
{
    const bool weekEinde = IsLaatsteWeekDag(KolomDatum(toestand_.startDatum, kolom), toestand_.isoWeek);
    p.fillRect(QRect(cel.left(), cel.bottom(), cel.width(), 1), QKleur(kLijn));
    p.fillRect(QRect(cel.right(), cel.top(), 1, cel.height()), QKleur(weekEinde ? kWeekLijn : kLijn));
}

void BordTekenaar::TekenVasteTekst(QPainter& p, const QRect& cel, int kolom, int rij) const
{
    const QRect binnen = cel.adjusted(2, 0, -2, 0);
    if (rij == 0 && kolom < kVasteKolommen) {
        const bool nr = kolom == 0;
        TekenTekst(p, cel.adjusted(2, 2, -2, -2), nr ? Qt::AlignRight : Qt::AlignLeft,
                   nr ? QStringLiteral("\nNR ") : QStringLiteral("\n KAMER"), false);
    } else if (rij == 0) {
        const TDateTime datum = KolomDatum(toestand_.startDatum, kolom);
        TekenTekst(p, cel, Qt::AlignCenter, FormatDateTime(QStringLiteral("ddd\nd\nmmm"), datum),
                   DagGetal(datum) == DagGetal(vandaag_));
    } else if (kolom == 0) {
        const int32_t kamerNr = toestand_.kamers[rij - 1].kamerNr;
        if (const auto status = logboek::StatusIn(toestand_.kamerStatus, kamerNr); status != logboek::ksSchoon)
            TekenKamerStatus(p, cel, status);
        TekenTekst(p, binnen, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, QString::number(kamerNr), true);
    } else if (kolom == 1) {
        TekenTekst(p, binnen, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   toestand_.kamers[rij - 1].omschr, false);
    }
}

void BordTekenaar::TekenBalken(QPainter& p, const QRect& cel, int kolom, int rij) const
{
    const RoomDayCells& cellen = toestand_.cellen[rij - 1];
    const int dag = kolom - kVasteKolommen;
    const uint8_t soort = cellen.soort[dag];
    const uint8_t status = cellen.status[dag];
    if (soort == celVertrek || soort == celWissel)
        TekenDeel(p, cel, kolom, BalkDeel::Vertrek, cellen.tweede[dag], status >> 4);
    if (soort == celAankomst || soort == celWissel)
        TekenDeel(p, cel, kolom, BalkDeel::Aankomst, cellen.eerste[dag], status & 0x0F);
    if (soort == celHeel)
        TekenDeel(p, cel, kolom, BalkDeel::Heel, cellen.eerste[dag], status & 0x0F);
}

void BordTekenaar::TekenDeel(QPainter& p, const QRect& cel, int kolom, BalkDeel deel, int itemNr, int nibble) const
{
    if (itemNr < 0 || itemNr >= static_cast<int>(toestand_.items.size()))
        return;
    const brlib::stRes& item = toestand_.items[itemNr];
    const QRect rect = DeelRect(cel, deel);
    p.fillRect(rect, QKleur(BalkKleur(toestand_, tabel_, item, nibble)));
    const brlib::stExtraRes* extra = toestand_.ExtraVan(item.resSleutel);
    if (extra && extra->groepNr != 0 && extra->groepNr == toestand_.geselecteerdeGroep)
        TekenGroepsRand(p, rect, deel, QKleur(tabel_.groep));
    const int beginKolom = kVasteKolommen + DagIndex(toestand_.startDatum, std::min(item.begin, item.eind));
    const TitelPlek plek{kolom, std::max(beginKolom, kVasteKolommen), beginKolom >= kVasteKolommen};
    const TitelDeel titel = PlaatsTitel(cel, deel, plek, geometrie_.RijHoogte());
    if (!bijschriften_.empty() && bijschriften_.back().itemNr == itemNr)
        bijschriften_.back().deel.klem |= titel.klem;
    else
        bijschriften_.push_back({itemNr, titel});
}

void BordTekenaar::TekenBijschriften(QPainter& p) const
{
    if (bijschriften_.empty())
        return;
    const bool basisVet = p.font().bold();
    ZetVet(p, false);
    for (const Bijschrift& bijschrift : bijschriften_) {
        p.setPen(QKleur(TekstKleur(toestand_, toestand_.items[bijschrift.itemNr])));
        TekenTitel(p, bijschrift.deel, Titel(bijschrift.itemNr));
    }
    bijschriften_.clear();
    ZetVet(p, basisVet);
}

const QStaticText& BordTekenaar::Titel(int itemNr) const
{
    auto [plek, nieuw] = titels_.try_emplace(itemNr);
    if (nieuw) {
        plek->second.setText(BalkTitel(toestand_, toestand_.items[itemNr]));
        plek->second.setTextFormat(Qt::PlainText);
        plek->second.setPerformanceHint(QStaticText::AggressiveCaching);
    }
    return plek->second;
}

}  // namespace bord
