#pragma once
// The board's grid (dgGrid): paints the prepared state through the model's
// painter and hands pointer events to the form. It never changes the state;
// it only tells the geometry its size, so the day columns fill the width.

#include <QWidget>

#include "board/BordGeometrie.h"
#include "board/BordKleuren.h"
#include "board/BordToestand.h"

class BordGrid : public QWidget {
    Q_OBJECT
public:
    BordGrid(QWidget* ouder, const bord::BordToestand& toestand, bord::BordGeometrie& geometrie,
             const bord::KleurTabel& kleuren);

    // Gives the geometry the current size and fits the day columns to it.
    void PasKolommen();

signals:
    void MuisBeweegt(QPoint plek);
    void MuisNeer(QPoint plek, Qt::MouseButton knop);
    void MuisOp(QPoint plek, Qt::MouseButton knop);
    void Vergroot();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const bord::BordToestand& toestand_;
    bord::BordGeometrie& geometrie_;
    const bord::KleurTabel& kleuren_;
};
