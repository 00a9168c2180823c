#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

#include "host/base/DatumTekst.h"
#include "host/ui/GridUitvoer.h"
#include "host/ui/GvlLayout.h"
#include "host/ui/TGridView.h"
#include "reports/Rsvovmanagunit.h"
#include "reservation/Benoemd.h"

namespace {

QWidget* Rij(QWidget* ouder, std::initializer_list<QWidget*> delen)
{
    auto* paneel = new QWidget(ouder);
    auto* rij = new QHBoxLayout(paneel);
    rij->setContentsMargins(4, 4, 4, 4);
    for (QWidget* w : delen) {
        w->setParent(paneel);
        rij->addWidget(w);
    }
    rij->addStretch(1);
    return paneel;
}

QLineEdit* Cijfervak(const char* naam, int lengte)
{
    auto* veld = Benoemd<QLineEdit>(nullptr, naam);
    veld->setMaxLength(lengte);
    veld->setFixedWidth(12 + 10 * lengte);
    veld->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), veld));
    return veld;
}

QLabel* KaderLabel(const char* naam)
{
    auto* label = Benoemd<QLabel>(nullptr, naam);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setMinimumWidth(50);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

TGridView* Grid(QWidget* ouder, const char* naam, const QString& layout)
{
    auto* grid = Benoemd<TGridView>(ouder, naam);
    grid->SetIniDir(GvlPath() + QStringLiteral("/Tlr"));
    grid->CheckIniFileName(layout);
    return grid;
}

}  // namespace

QPushButton* TfrmRsvOvManag::Vorige(QWidget* ouder, const char* naam)
{
    auto* knop = Benoemd<QPushButton>(ouder, naam, QStringLiteral("<<"));
    knop->setFixedWidth(36);
    knop->setToolTip(tr("Vorige") + QStringLiteral(" ") + tr("(Ctrl+Links)"));
    return knop;
}

QPushButton* TfrmRsvOvManag::Volgende(QWidget* ouder, const char* naam)
{
    auto* knop = Benoemd<QPushButton>(ouder, naam, QStringLiteral(">>"));
    knop->setFixedWidth(36);
    knop->setToolTip(tr("Volgende") + QStringLiteral(" ") + tr("(Ctrl+Rechts)"));
    return knop;
}

void TfrmRsvOvManag::MaakWidgets()
{
    auto* hoofd = new QVBoxLayout(this);
    pgMain = Benoemd<QTabWidget>(this, "pgMain");
    pgMain->setDocumentMode(true);
    pgMain->addTab(MaakDag(), QStringLiteral("Dag"));
    pgMain->addTab(MaakWeek(), QStringLiteral("Week"));
    pgMain->addTab(MaakMaand(), QStringLiteral("Maand"));
    pgMain->addTab(MaakJaar(), QStringLiteral("Jaar"));
    pgMain->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    hoofd->addWidget(pgMain);
    pgOv = Benoemd<QTabWidget>(this, "pgOv");
    pgOv->addTab(MaakOverzicht(), QStringLiteral("Overzicht"));
    pgOv->addTab(MaakGrafiek(), QStringLiteral("Grafiek"));
    hoofd->addWidget(pgOv, 1);
    hoofd->addWidget(MaakKnoppen());
}

QWidget* TfrmRsvOvManag::MaakDag()
{
    auto* label = new QLabel(QStringLiteral("&Datum:"));
    dtpckDatum = Benoemd<QDateEdit>(nullptr, "dtpckDatum");
    dtpckDatum->setCalendarPopup(true);
    dtpckDatum->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    label->setBuddy(dtpckDatum);
    btnDagMin = Vorige(nullptr, "btnDagMin");
    btnDagPlus = Volgende(nullptr, "btnDagPlus");
    return Rij(this, {label, btnDagMin, dtpckDatum, btnDagPlus});
}

QWidget* TfrmRsvOvManag::MaakWeek()
{
    edtWeek = Cijfervak("edtWeek", 2);
    flblWeekJaar = KaderLabel("flblWeekJaar");
    btnWeekMin = Vorige(nullptr, "btnWeekMin");
    btnWeekPlus = Volgende(nullptr, "btnWeekPlus");
    return Rij(this, {new QLabel(QStringLiteral("Week:")), btnWeekMin, edtWeek, flblWeekJaar, btnWeekPlus});
}

QWidget* TfrmRsvOvManag::MaakMaand()
{
    cmbxMaand = Benoemd<QComboBox>(nullptr, "cmbxMaand");
    for (int maand = 1; maand <= 12; ++maand)
        cmbxMaand->addItem(LangeMaandNaam(maand));
    flblMndJaar = KaderLabel("flblMndJaar");
    btnMndMin = Vorige(nullptr, "btnMndMin");
    btnMndPlus = Volgende(nullptr, "btnMndPlus");
    return Rij(this, {new QLabel(QStringLiteral("Maand:")), btnMndMin, cmbxMaand, flblMndJaar, btnMndPlus});
}

QWidget* TfrmRsvOvManag::MaakJaar()
{
    edtJaar = Cijfervak("edtJaar", 4);
    btnJaarMin = Vorige(nullptr, "btnJaarMin");
    btnJaarPlus = Volgende(nullptr, "btnJaarPlus");
    return Rij(this, {new QLabel(QStringLiteral("Jaar:")), btnJaarMin, edtJaar, btnJaarPlus});
}

QWidget* TfrmRsvOvManag::MaakOverzicht()
{
    auto* pagina = new QWidget(this);
    auto* kolom = new QVBoxLayout(pagina);
    gvOverzicht = Grid(pagina, "gvOverzicht", IdentityName() + QStringLiteral(".gvl"));
    gvOverzicht->SetPrinterInstRegKey(PrinterInstRegKey(IdentityName()));
    kolom->addWidget(gvOverzicht);
    return pagina;
}

QWidget* TfrmRsvOvManag::MaakGrafiek()
{
    auto* pagina = new QWidget(this);
    auto* rij = new QHBoxLayout(pagina);
    Chart = Benoemd<QChartView>(pagina, "Chart");
    Chart->setRenderHint(QPainter::Antialiasing);
    gvValues = Grid(pagina, "gvValues", IdentityName() + QStringLiteral("Values.gvl"));
    gvValues->setFixedWidth(240);
    rij->addWidget(Chart, 1);
    rij->addWidget(gvValues);
    return pagina;
}

QWidget* TfrmRsvOvManag::MaakKnoppen()
{
    btnPrint = Benoemd<QPushButton>(nullptr, "btnPrint", QStringLiteral("Afdrukken"));
    btnSluiten = Benoemd<QPushButton>(nullptr, "btnSluiten", QStringLiteral("Sluiten"));
    QWidget* paneel = Rij(this, {btnPrint});
    paneel->layout()->addWidget(btnSluiten);
    btnSluiten->setParent(paneel);
    return paneel;
}
