#include "board/BordPanelen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace bord {

namespace {
template <class W>
W* Benoemd(W* widget, const char* naam)
{
    widget->setObjectName(QString::fromLatin1(naam));
    return widget;
}

QPushButton* Knop(QWidget* ouder, const char* naam, const QString& tekst)
{
    auto* knop = Benoemd(new QPushButton(tekst, ouder), naam);
    knop->setAutoDefault(false);
    knop->setFocusPolicy(Qt::NoFocus);
    return knop;
}

QToolButton* Pijl(QWidget* ouder, const char* naam, Qt::ArrowType pijl)
{
    auto* knop = Benoemd(new QToolButton(ouder), naam);
    knop->setArrowType(pijl);
    knop->setAutoRaise(true);
    knop->setFocusPolicy(Qt::NoFocus);
    return knop;
}

QLabel* Veld(QWidget* ouder, const char* naam, int breedte, bool vet)
{
    auto* label = Benoemd(new QLabel(ouder), naam);
    label->setMinimumWidth(breedte);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    if (vet) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QWidget* Paneel(QWidget* ouder, const char* naam)
{
    auto* paneel = Benoemd(new QWidget(ouder), naam);
    auto* rij = new QHBoxLayout(paneel);
    rij->setContentsMargins(4, 2, 4, 2);
    return paneel;
}

void Voeg(QWidget* paneel, std::initializer_list<QWidget*> widgets)
{
    auto* rij = static_cast<QBoxLayout*>(paneel->layout());
    for (QWidget* widget : widgets)
        rij->addWidget(widget);
}
}  // namespace

QWidget* MaakTabPaneel(QWidget* ouder)
{
    QWidget* pnlTab = Paneel(ouder, "pnlTab");
    pnlTab->layout()->setContentsMargins(0, 0, 0, 0);
    pnlTab->setFixedHeight(29);
    auto* pgMain = Benoemd(new QTabWidget(pnlTab), "pgMain");
    pgMain->setDocumentMode(true);
    pgMain->addTab(Benoemd(new QWidget(pgMain), "tsHotelReservering"), QStringLiteral("Hotel reservering"));
    Voeg(pnlTab, {pgMain});
    return pnlTab;
}

BovenPaneel MaakBovenPaneel(QWidget* ouder)
{
    BovenPaneel b{};
    b.pnlBoven = Paneel(ouder, "pnlBoven");
    b.flblWeekNr = Veld(b.pnlBoven, "flblWeekNr", 24, true);
    b.btnMinWeek = Pijl(b.pnlBoven, "btnMinWeek", Qt::LeftArrow);
    b.btnPlusWeek = Pijl(b.pnlBoven, "btnPlusWeek", Qt::RightArrow);
    b.flblMaand = Veld(b.pnlBoven, "flblMaand", 80, false);
    b.btnMinMaand = Pijl(b.pnlBoven, "btnMinMaand", Qt::LeftArrow);
    b.btnPlusMaand = Pijl(b.pnlBoven, "btnPlusMaand", Qt::RightArrow);
    b.flblJaar = Veld(b.pnlBoven, "flblJaar", 40, true);
    b.btnZoeken = Knop(b.pnlBoven, "btnZoeken", QStringLiteral("Selectie"));
    Voeg(b.pnlBoven, {new QLabel(QStringLiteral("Week:"), b.pnlBoven), b.btnMinWeek, b.flblWeekNr, b.btnPlusWeek,
                      b.btnMinMaand, b.flblMaand, b.btnPlusMaand, b.flblJaar, b.btnZoeken});
    static_cast<QBoxLayout*>(b.pnlBoven->layout())->addStretch(1);

    b.pnlGroepNr = Paneel(b.pnlBoven, "pnlGroepNr");
    b.flblGroepNr = Veld(b.pnlGroepNr, "flblGroepNr", 48, false);
    Voeg(b.pnlGroepNr, {new QLabel(QStringLiteral("Groep:"), b.pnlGroepNr), b.flblGroepNr});

    b.pnlHuidige = Paneel(b.pnlBoven, "pnlHuidige");
    b.btnSelRes = Knop(b.pnlHuidige, "btnSelRes", QStringLiteral("Reservering:"));
    b.btnSelRes->setToolTip(QStringLiteral("Selecteer op nummer"));
    b.flblResBoekNr = Veld(b.pnlHuidige, "flblResBoekNr", 72, false);
    Voeg(b.pnlHuidige, {b.btnSelRes, b.flblResBoekNr});
    Voeg(b.pnlBoven, {b.pnlGroepNr, b.pnlHuidige});
    return b;
}

GridKnoppen MaakGridKnoppen(QWidget* ouder)
{
    GridKnoppen g{};
    g.pnlGridButtons = Benoemd(new QWidget(ouder), "pnlGridButtons");
    auto* kolom = new QVBoxLayout(g.pnlGridButtons);
    kolom->setContentsMargins(2, 0, 2, 0);
    g.btnLegenda = Pijl(g.pnlGridButtons, "btnLegenda", Qt::NoArrow);
    g.btnLegenda->setText(QStringLiteral("L"));
    g.btnLegenda->setToolTip(QStringLiteral("Legenda"));
    g.btnLegenda->setCheckable(true);
    g.btnPgUp = Pijl(g.pnlGridButtons, "btnPgUp", Qt::UpArrow);
    g.btnPgUp->setToolTip(QStringLiteral("Pagina omhoog"));
    g.btnUp = Pijl(g.pnlGridButtons, "btnUp", Qt::UpArrow);
    g.btnDown = Pijl(g.pnlGridButtons, "btnDown", Qt::DownArrow);
    g.btnPgDn = Pijl(g.pnlGridButtons, "btnPgDn", Qt::DownArrow);
    g.btnPgDn->setToolTip(QStringLiteral("Pagina omlaag"));
    kolom->addWidget(g.btnLegenda);
    kolom->addStretch(1);
    for (QToolButton* knop : {g.btnPgUp, g.btnUp, g.btnDown, g.btnPgDn})
        kolom->addWidget(knop);
    return g;
}

OnderPaneel MaakOnderPaneel(QWidget* ouder)
{
    OnderPaneel o{};
    o.pnlOnder = Paneel(ouder, "pnlOnder");
    o.btnNieuw = Knop(o.pnlOnder, "btnNieuw", QStringLiteral("Nieuw"));
    o.btnVerplaatsen = Knop(o.pnlOnder, "btnVerplaatsen", QStringLiteral("Kamer verplaatsen"));
    o.btnPerWzg = Knop(o.pnlOnder, "btnPerWzg", QStringLiteral("Periode wijzigen"));
    o.btnGroepWijzigen = Knop(o.pnlOnder, "btnGroepWijzigen", QStringLiteral("Groep toekennen"));
    o.btnOverzicht = Knop(o.pnlOnder, "btnOverzicht", QStringLiteral("Overzichten"));
    o.btnSettings = Knop(o.pnlOnder, "btnSettings", QStringLiteral("Instellingen"));
    o.btnSluiten = Knop(o.pnlOnder, "btnSluiten", QStringLiteral("Sluiten"));
    Voeg(o.pnlOnder, {o.btnNieuw, o.btnVerplaatsen, o.btnPerWzg, o.btnGroepWijzigen, o.btnOverzicht,
                      o.btnSettings});
    static_cast<QBoxLayout*>(o.pnlOnder->layout())->addStretch(1);
    Voeg(o.pnlOnder, {o.btnSluiten});
    return o;
}

VerplaatsPaneel MaakVerplaatsPaneel(QWidget* ouder)
{
    VerplaatsPaneel v{};
    v.pnlVerplaatsen = Paneel(ouder, "pnlVerplaatsen");
    v.pnlCapVerplaatsen = Benoemd(new QLabel(v.pnlVerplaatsen), "pnlCapVerplaatsen");
    v.btnVerplAnnuleren = Knop(v.pnlVerplaatsen, "btnVerplAnnuleren", QStringLiteral("Annuleren"));
    Voeg(v.pnlVerplaatsen, {v.pnlCapVerplaatsen});
    static_cast<QBoxLayout*>(v.pnlVerplaatsen->layout())->addStretch(1);
    Voeg(v.pnlVerplaatsen, {v.btnVerplAnnuleren});
    v.pnlVerplaatsen->hide();
    return v;
}

}  // namespace bord
