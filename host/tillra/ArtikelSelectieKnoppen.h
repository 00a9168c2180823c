#pragma once
// The product-selection buttons as a widget: a grid laid out from
// "artsel.cfg". Each button is named "btnArt" + article number.

#include <cstdint>
#include <QWidget>

#include "host/tillra/ArtSel.h"

namespace Tillra {

class ArtikelSelectieKnoppen : public QWidget {
    Q_OBJECT

public:
    explicit ArtikelSelectieKnoppen(QWidget* parent = nullptr);

    // Replaces the buttons by those of the current administration's file.
    void Laad();
    void Toon(const std::vector<ArtSelKnop>& knoppen);

signals:
    void ArtikelGekozen(int32_t artikelNr);
};

}  // namespace Tillra
