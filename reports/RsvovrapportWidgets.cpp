#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "host/ui/GridScrollKnoppen.h"
#include "host/ui/GridUitvoer.h"
#include "host/ui/GvlLayout.h"
#include "host/ui/TGridView.h"
#include "reports/Rsvovrapportunit.h"
#include "reservation/Benoemd.h"

namespace {

QLabel* KaderLabel(QWidget* ouder, const char* naam)
{
    auto* label = Benoemd<QLabel>(ouder, naam);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(110);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QPushButton* Stap(QWidget* ouder, const char* naam, const QString& tekst, const QString& hint)
{
    auto* knop = Benoemd<QPushButton>(ouder, naam, tekst);
    knop->setFixedWidth(32);
    knop->setToolTip(hint);
    return knop;
}

QToolButton* ScrollKnopje(QWidget* ouder, Qt::ArrowType pijl, const QString& tekst, const QString& hint)
{
    auto* knop = new QToolButton(ouder);
    knop->setArrowType(pijl);
    knop->setText(tekst);
    knop->setToolTip(hint);
    knop->setToolButtonStyle(tekst.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    return knop;
}

}  // namespace

void TfrmRsvOvRapport::MaakWidgets()
{
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(MaakDatums());
    pgMain = Benoemd<QTabWidget>(this, "pgMain");
    tbSchoonmaak = MaakTab(gvGrid, "gvGrid", QStringLiteral("RsvSchnmkLijst.gvl"));
    tbOntbijt = MaakTab(gvOntbijt, "gvOntbijt", QStringLiteral("RsvOntbLijst.gvl"));
    tbPersonen = MaakTab(gvPersonen, "gvPersonen", QStringLiteral("RsvAanwPersonen.gvl"));
    tbSchoonmaak->setObjectName(QStringLiteral("tbSchoonmaak"));
    tbOntbijt->setObjectName(QStringLiteral("tbOntbijt"));
    tbPersonen->setObjectName(QStringLiteral("tbPersonen"));
    pgMain->addTab(tbSchoonmaak, QStringLiteral("Schoonmaaklijst"));
    pgMain->addTab(tbOntbijt, QStringLiteral("Ontbijt/lunch/diner"));
    pgMain->addTab(tbPersonen, QStringLiteral("Aanwezige gasten"));
    hoofd->addWidget(pgMain, 1);
    hoofd->addWidget(MaakKnoppen());
}

QWidget* TfrmRsvOvRapport::MaakDatums()
{
    auto* paneel = new QWidget(this);
    auto* rij = new QHBoxLayout(paneel);
    rij->setContentsMargins(0, 0, 0, 0);
    btnDatum = Benoemd<QPushButton>(paneel, "btnDatum", QStringLiteral("Datum"));
    btnDagMin = Stap(paneel, "btnDagMin", QStringLiteral("<"), QStringLiteral("Vorige dag"));
    flblDatum = KaderLabel(paneel, "flblDatum");
    btnDagPlus = Stap(paneel, "btnDagPlus", QStringLiteral(">"), QStringLiteral("Volgende dag"));
    for (QWidget* w : std::initializer_list<QWidget*>{btnDatum, btnDagMin, flblDatum, btnDagPlus})
        rij->addWidget(w);

    pnlEindDatum = Benoemd<QWidget>(paneel, "pnlEindDatum");
    auto* eind = new QHBoxLayout(pnlEindDatum);
    eind->setContentsMargins(12, 0, 0, 0);
    auto* tm = new QLabel(QStringLiteral("t/m"), pnlEindDatum);
    btnEindDatum = Benoemd<QPushButton>(pnlEindDatum, "btnEindDatum", QStringLiteral("Einddatum"));
    btnEindDagMin = Stap(pnlEindDatum, "btnEindDagMin", QStringLiteral("<"), QStringLiteral("Vorige dag"));
    flblEindDatum = KaderLabel(pnlEindDatum, "flblEindDatum");
    btnEindDagPlus = Stap(pnlEindDatum, "btnEindDagPlus", QStringLiteral(">"), QStringLiteral("Volgende dag"));
    for (QWidget* w : std::initializer_list<QWidget*>{tm, btnEindDatum, btnEindDagMin, flblEindDatum, btnEindDagPlus})
        eind->addWidget(w);
    rij->addWidget(pnlEindDatum);
    rij->addStretch(1);
    return paneel;
}

QWidget* TfrmRsvOvRapport::MaakTab(TGridView*& grid, const char* naam, const QString& layout)
{
    auto* tab = new QWidget(this);
    auto* rij = new QHBoxLayout(tab);
    grid = Benoemd<TGridView>(tab, naam);
    grid->SetIniDir(GvlPath() + QStringLiteral("/Tlr"));
    grid->CheckIniFileName(layout);
    grid->SetPrinterInstRegKey(PrinterInstRegKey(IdentityName()));
    rij->addWidget(grid, 1);

    auto* kolom = new QVBoxLayout;
    QToolButton* begin = ScrollKnopje(tab, Qt::UpArrow, QStringLiteral("Begin"), QStringLiteral("Eerste regel"));
    QToolButton* op = ScrollKnopje(tab, Qt::UpArrow, {}, QStringLiteral("Pagina omhoog"));
    QToolButton* neer = ScrollKnopje(tab, Qt::DownArrow, {}, QStringLiteral("Pagina omlaag"));
    QToolButton* einde = ScrollKnopje(tab, Qt::DownArrow, QStringLiteral("Einde"), QStringLiteral("Laatste regel"));
    kolom->addWidget(begin);
    kolom->addStretch(1);
    for (QToolButton* knop : {op, neer})
        kolom->addWidget(knop);
    kolom->addStretch(1);
    kolom->addWidget(einde);
    rij->addLayout(kolom);
    GridScrollKnoppen(*grid, {{begin, ScrollKnop::Begin},
                              {op, ScrollKnop::PaginaOp},
                              {neer, ScrollKnop::PaginaNeer},
                              {einde, ScrollKnop::Einde}});
    return tab;
}

QWidget* TfrmRsvOvRapport::MaakKnoppen()
{
    auto* paneel = new QWidget(this);
    auto* rij = new QHBoxLayout(paneel);
    rij->setContentsMargins(0, 0, 0, 0);
    btnAfdrukken = Benoemd<QPushButton>(paneel, "btnAfdrukken", QStringLiteral("Afdrukken"));
    btnPrintBon = Benoemd<QPushButton>(paneel, "btnPrintBon", QStringLiteral("Afdruk op bon"));
    btnAnnuleren = Benoemd<QPushButton>(paneel, "btnAnnuleren", QStringLiteral("Sluiten"));
    rij->addWidget(btnAfdrukken);
    rij->addWidget(btnPrintBon);
    rij->addStretch(1);
    rij->addWidget(btnAnnuleren);
    return paneel;
}
