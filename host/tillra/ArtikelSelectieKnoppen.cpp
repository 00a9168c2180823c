#include "host/tillra/ArtikelSelectieKnoppen.h"

#include <QGridLayout>
#include <QPushButton>

namespace Tillra {

ArtikelSelectieKnoppen::ArtikelSelectieKnoppen(QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(2);
}

void ArtikelSelectieKnoppen::Laad() { Toon(LeesArtSelBestand()); }

void ArtikelSelectieKnoppen::Toon(const std::vector<ArtSelKnop>& knoppen)
{
    qDeleteAll(findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly));
    auto* grid = static_cast<QGridLayout*>(layout());
    for (const ArtSelKnop& knop : knoppen) {
        auto* button = new QPushButton(knop.tekst, this);
        button->setObjectName(QStringLiteral("btnArt%1").arg(knop.artikelNr));
        button->setMinimumHeight(40);
        if (!knop.kleur.isEmpty())
            button->setStyleSheet(QStringLiteral("background-color: %1;").arg(knop.kleur));
        const int32_t artikelNr = knop.artikelNr;
        connect(button, &QPushButton::clicked, this, [this, artikelNr] { emit ArtikelGekozen(artikelNr); });
        grid->addWidget(button, knop.rij, knop.kolom);
    }
}

}  // namespace Tillra
