#include "reservation/ResGegPaginas.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "host/ui/TGridView.h"
#include "reservation/ResGegWidgets.h"
#include "reservation/Rsvresgegunit.h"

namespace {
constexpr int kTabHoogte = 30;

QWidget* NieuwePagina(QTabWidget* paginas, const QString& naam, const QString& titel)
{
    auto* pagina = new QWidget(paginas);
    pagina->setObjectName(naam);
    paginas->addTab(pagina, titel);
    return pagina;
}

QWidget* MaakRelatiePagina(TfrmRsvResGeg& f)
{
    QWidget* pagina = NieuwePagina(f.pgMain, QStringLiteral("tbRelatie"), QStringLiteral("Relatie"));
    QBoxLayout* info = nullptr;
    f.pnlRelInfo = NieuwPaneel(pagina, QStringLiteral("pnlRelInfo"), info);
    f.flblRelNr = NieuwWaardeLabel(f.pnlRelInfo, QStringLiteral("flblRelNr"), Qt::AlignRight);
    f.flblRelNr->setAutoFillBackground(true);
    f.btnSelRel = NieuweKnop(f.pnlRelInfo, QStringLiteral("btnSelRel"), QStringLiteral("Selecteer debiteur"));
    f.btnVoorReg = NieuweKnop(f.pnlRelInfo, QStringLiteral("btnVoorReg"), QStringLiteral("Voor-registratie"));
    f.btnVoorReg->setCheckable(true);
    info->addWidget(new QLabel(QStringLiteral("Relatienummer:"), f.pnlRelInfo));
    info->addWidget(f.flblRelNr);
    info->addWidget(f.btnSelRel);
    info->addStretch(1);
    info->addWidget(f.btnVoorReg);
    f.gvGrid = new TGridView(pagina);
    f.gvGrid->setObjectName(QStringLiteral("gvGrid"));
    QBoxLayout* rij = nullptr;
    QWidget* gridPaneel = NieuwPaneel(pagina, QStringLiteral("pnlGrid"), rij);
    f.pnlVoorReg = new QWidget(gridPaneel);
    f.pnlVoorReg->setObjectName(QStringLiteral("pnlVoorReg"));
    f.pnlVoorReg->hide();
    // The grid is as high as its rows; the space below it stays empty.
    auto* gridKolom = new QVBoxLayout;
    gridKolom->addWidget(f.gvGrid, 1);
    gridKolom->addStretch();
    rij->addLayout(gridKolom, 1);
    rij->addWidget(f.pnlVoorReg);
    auto* kolom = new QVBoxLayout(pagina);
    kolom->setContentsMargins(4, 4, 4, 4);
    kolom->addWidget(f.pnlRelInfo);
    kolom->addWidget(gridPaneel, 1);
    return pagina;
}

}  // namespace

void ZetTabHoogte(QTabWidget& paginas, int hoogte)
{
    paginas.tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: %1px; }").arg(hoogte));
}

void MaakPaginas(TfrmRsvResGeg& f)
{
    f.pgMain = new QTabWidget(&f);
    f.pgMain->setObjectName(QStringLiteral("pgMain"));
    ZetTabHoogte(*f.pgMain, kTabHoogte);
    f.tbRelatie = MaakRelatiePagina(f);
    f.tbExtra = NieuwePagina(f.pgMain, QStringLiteral("tbExtra"), QStringLiteral("Extra"));
    f.reExtra = new QPlainTextEdit(f.tbExtra);
    f.reExtra->setObjectName(QStringLiteral("reExtra"));
    (new QVBoxLayout(f.tbExtra))->addWidget(f.reExtra);
    f.tbKamers = NieuwePagina(f.pgMain, QStringLiteral("tbKamers"), QStringLiteral("Kamers"));
    f.gvKamers = new TGridView(f.tbKamers);
    f.gvKamers->setObjectName(QStringLiteral("gvKamers"));
    f.gvKamers->SetIniDir(GvlPath() + QStringLiteral("/Tlr"));
    f.gvKamers->CheckIniFileName(QStringLiteral("RsvOvRes.gvl"));
    f.gvKamers->KolomZichtbaar(QStringLiteral("opm"), true);
    // The layout is the board's new-reservation grid; its "extra" column means nothing for stored lines.
    f.gvKamers->KolomZichtbaar(QStringLiteral("extra"), false);
    (new QVBoxLayout(f.tbKamers))->addWidget(f.gvKamers);
    f.tbArtikel = NieuwePagina(f.pgMain, QStringLiteral("tbArtikel"), QStringLiteral("Producten"));
    MaakProductPagina(f);
}
