#pragma once
// Paints the board onto any QPainter from the state and the geometry: per cell
// the background, grid lines with the week separator, header and room texts,
// the bar parts with their group outline and the caption running across the
// whole bar, drawn once per row after the row's cells. The grid widget calls
// this from paintEvent only; nothing here changes the state. Make one per
// paint: it keeps the captions it laid out.

#include <unordered_map>
#include <vector>
#include <QPainter>
#include <QStaticText>

#include "board/BordBalk.h"
#include "board/BordGeometrie.h"
#include "board/BordKleuren.h"
#include "board/BordToestand.h"

namespace bord {

class BordTekenaar {
public:
    // The painter's font at the time of painting is the board's font.
    BordTekenaar(const BordToestand& toestand, const BordGeometrie& geometrie, const KleurTabel& tabel,
                 TDateTime vandaag);

    // One cell, in its rectangle of the geometry. Nothing when there are no rooms.
    void TekenCel(QPainter& p, int kolom, int rij) const;
    // Every cell with a pixel inside `gebied` (the whole grid when empty).
    void TekenGrid(QPainter& p, const QRect& gebied = QRect()) const;

private:
    struct Bijschrift {
        int itemNr;
        TitelDeel deel;
    };

    void TekenCelDelen(QPainter& p, int kolom, int rij) const;
    void TekenBijschriften(QPainter& p) const;
    void TekenLijnen(QPainter& p, const QRect& cel, int kolom) const;
    void TekenVasteTekst(QPainter& p, const QRect& cel, int kolom, int rij) const;
    void TekenBalken(QPainter& p, const QRect& cel, int kolom, int rij) const;
    void TekenDeel(QPainter& p, const QRect& cel, int kolom, BalkDeel deel, int itemNr, int nibble) const;
    const QStaticText& Titel(int itemNr) const;

    const BordToestand& toestand_;
    const BordGeometrie& geometrie_;
    const KleurTabel& tabel_;
    TDateTime vandaag_;
    // A bar's caption is laid out once; drawn once over the row's cells it
    // covers, after them, so that no cell's fill covers it.
    mutable std::unordered_map<int, QStaticText> titels_;
    mutable std::vector<Bijschrift> bijschriften_;
};

}  // namespace bord
