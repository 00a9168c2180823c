#pragma once
// One bar part of a day cell: where it sits in the cell, its group outline
// and its share of the caption that runs across the whole bar.

#include <QPainter>
#include <QRect>
#include <QStaticText>
#include <QString>

#include "board/BordToestand.h"

namespace bord {

enum class BalkDeel { Aankomst, Vertrek, Heel };

// Right half for an arrival, left half for a departure (one pixel in from top
// and bottom), the whole width two pixels in for a middle day.
QRect DeelRect(const QRect& cel, BalkDeel deel);

// A blank and the name: the reservation's first text line, or the room's
// pre-registered guest followed by the reservation's name in brackets;
// "[NIEUW]" for a line not stored yet.
QString BalkTitel(const BordToestand& toestand, const brlib::stRes& item);

// The two-pixel frame of a selected group: open towards the rest of the stay.
void TekenGroepsRand(QPainter& p, const QRect& deel, BalkDeel soort, const QColor& kleur);

// The caption in the cell of `kolom` of a bar whose first visible cell is
// `eersteKolom`; `aankomst` when that first cell holds the arrival half.
struct TitelPlek {
    int kolom;
    int eersteKolom;
    bool aankomst;
};
// Where a bar's caption is drawn and the part of one cell it may cover.
struct TitelDeel {
    QPoint begin;
    QRect klem;
};
TitelDeel PlaatsTitel(const QRect& cel, BalkDeel deel, const TitelPlek& plek, int rijHoogte);
// Draws the caption clipped to `deel.klem` (within a clip the painter has).
void TekenTitel(QPainter& p, const TitelDeel& deel, const QStaticText& titel);

}  // namespace bord
