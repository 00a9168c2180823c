#include "board/BordLegenda.h"

#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace bord {

namespace {
constexpr int kRijHoogte = 22;

QLabel* LegendaRegel(QWidget* ouder, int nr, const LegendaRij& rij)
{
    auto* regel = new QLabel(rij.tekst, ouder);
    regel->setObjectName(QStringLiteral("pnlLegenda%1").arg(nr));
    regel->setFixedHeight(kRijHoogte);
    auto* staal = new QFrame(regel);
    staal->setObjectName(QStringLiteral("pnlLegCol%1").arg(nr));
    staal->setFrameShape(QFrame::Box);
    staal->setAutoFillBackground(true);
    QPalette kleur = staal->palette();
    kleur.setColor(QPalette::Window, QKleur(rij.kleur));
    staal->setPalette(kleur);
    staal->setGeometry(4, 4, 24, kRijHoogte - 8);
    return regel;
}
}  // namespace

QWidget* MaakLegenda(QWidget* ouder, const KleurTabel& kleuren)
{
    auto* paneel = new QFrame(ouder);
    paneel->setObjectName(QStringLiteral("pnlLegenda"));
    paneel->setFrameShape(QFrame::StyledPanel);
    auto* kolom = new QVBoxLayout(paneel);
    kolom->setContentsMargins(4, 4, 4, 4);
    auto* kop = new QLabel(QStringLiteral("Legenda"), paneel);
    QFont vet = kop->font();
    vet.setBold(true);
    kop->setFont(vet);
    kolom->addWidget(kop);
    int nr = 0;
    for (const LegendaRij& rij : Legenda(kleuren))
        kolom->addWidget(LegendaRegel(paneel, ++nr, rij));
    kolom->addStretch(1);
    paneel->hide();
    return paneel;
}

}  // namespace bord
