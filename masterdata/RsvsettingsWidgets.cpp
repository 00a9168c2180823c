// The pages of the settings dialog and their signals.

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "masterdata/Rsvsettingsunit.h"
#include "reservation/Benoemd.h"
#include "masterdata/StamWidgets.h"

namespace {

QToolButton* Stapknop(QWidget* ouder, const char* naam, const QString& tekst)
{
    auto* knop = Benoemd<QToolButton>(ouder, naam);
    knop->setText(tekst);
    return knop;
}

// A check box with its two choices indented below it.
QWidget* CursorBlok(QWidget* ouder, QCheckBox* keuze, QRadioButton* een, QRadioButton* twee)
{
    auto* blok = new QWidget(ouder);
    auto* l = new QGridLayout(blok);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(keuze, 0, 0, 1, 2);
    l->addWidget(een, 1, 1);
    l->addWidget(twee, 2, 1);
    l->setColumnMinimumWidth(0, 18);
    return blok;
}

}  // namespace

void TfrmRsvSettings::MaakControls()
{
    pgMain = Benoemd<QTabWidget>(this, "pgMain");
    tbAlgemeen = MaakAlgemeen();
    tbKassaServer = MaakKassaServer();
    tbInterface = MaakInterface();
    pgMain->addTab(tbAlgemeen, QStringLiteral("Algemeen"));
    if (!geenKassaServer_)
        pgMain->addTab(tbKassaServer, QStringLiteral("Kassa server"));
    else
        tbKassaServer->hide();
    pgMain->addTab(tbInterface, QStringLiteral("Interface"));
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(pgMain, 1);
    hoofd->addLayout(MaakKnoppenRij());
    resize(520, sizeHint().height());
}

QWidget* TfrmRsvSettings::MaakAlgemeen()
{
    auto* pagina = Benoemd<QWidget>(this, "tbAlgemeen");
    edtRijHoogte = Benoemd<QSpinBox>(pagina, "edtRijHoogte");
    edtRijHoogte->setRange(rsvsettings::kRijHoogteMin, rsvsettings::kRijHoogteMax);
    edtRijHoogte->setButtonSymbols(QAbstractSpinBox::NoButtons);
    btnRijHoogtePlus = Stapknop(pagina, "btnRijHoogtePlus", QStringLiteral("+"));
    btnRijHoogteMin = Stapknop(pagina, "btnRijHoogteMin", QStringLiteral("-"));
    chkbxCursorHor = Benoemd<QCheckBox>(pagina, "chkbxCursorHor", QStringLiteral("Cursor kamer (horizontaal):"));
    rdbtnHor1 = Benoemd<QRadioButton>(pagina, "rdbtnHor1", QStringLiteral("Volledige rij"));
    rdbtnHor2 = Benoemd<QRadioButton>(pagina, "rdbtnHor2", QStringLiteral("Alleen kamer"));
    chkbxCursorVert = Benoemd<QCheckBox>(pagina, "chkbxCursorVert", QStringLiteral("Cursor datum (verticaal):"));
    rdbtnVert1 = Benoemd<QRadioButton>(pagina, "rdbtnVert1", QStringLiteral("Volledige kolom"));
    rdbtnVert2 = Benoemd<QRadioButton>(pagina, "rdbtnVert2", QStringLiteral("Alleen datum"));
    chkbxDebOvernemen = Benoemd<QCheckBox>(pagina, "chkbxDebOvernemen",
                                           QStringLiteral("Debiteurgegevens automatisch overnemen bij inchecken"));
    chkbxAutoProdReg =
        Benoemd<QCheckBox>(pagina, "chkbxAutoProdReg",
                           QStringLiteral("Automatisch producten registeren bij eerste incheck van reservering"));

    auto* hoogte = new QHBoxLayout;
    hoogte->addWidget(new QLabel(QStringLiteral("Rijhoogte:"), pagina));
    hoogte->addWidget(edtRijHoogte);
    hoogte->addWidget(btnRijHoogteMin);
    hoogte->addWidget(btnRijHoogtePlus);
    hoogte->addStretch(1);
    auto* cursors = new QHBoxLayout;
    cursors->addWidget(CursorBlok(pagina, chkbxCursorHor, rdbtnHor1, rdbtnHor2));
    cursors->addWidget(CursorBlok(pagina, chkbxCursorVert, rdbtnVert1, rdbtnVert2));
    cursors->addStretch(1);

    auto* groep = new QGroupBox(QStringLiteral("Meerdere kamers"), pagina);
    chkbxGeenGroep =
        Benoemd<QCheckBox>(groep, "chkbxGeenGroep", QStringLiteral("Meerdere kamers per reservering mogelijk"));
    chkbxWelGroep = Benoemd<QCheckBox>(groep, "chkbxWelGroep",
                                       QStringLiteral("Groep van reserveringen maken (1 kamer per reservering)"));
    rdbtnDefGeenGroep = Benoemd<QRadioButton>(groep, "rdbtnDefGeenGroep", QStringLiteral("Als standaard instellen"));
    rdbtnDefWelGroep = Benoemd<QRadioButton>(groep, "rdbtnDefWelGroep", QStringLiteral("Als standaard instellen"));
    // Both may be off for a moment (an option turned off); the rules set them.
    rdbtnDefGeenGroep->setAutoExclusive(false);
    rdbtnDefWelGroep->setAutoExclusive(false);
    auto* groepLayout = new QGridLayout(groep);
    groepLayout->addWidget(chkbxGeenGroep, 0, 0);
    groepLayout->addWidget(rdbtnDefGeenGroep, 0, 1);
    groepLayout->addWidget(chkbxWelGroep, 1, 0);
    groepLayout->addWidget(rdbtnDefWelGroep, 1, 1);

    auto* l = new QVBoxLayout(pagina);
    l->addLayout(hoogte);
    l->addLayout(cursors);
    l->addWidget(chkbxDebOvernemen);
    l->addWidget(chkbxAutoProdReg);
    l->addWidget(groep);
    l->addStretch(1);
    return pagina;
}

QWidget* TfrmRsvSettings::MaakKassaServer()
{
    auto* pagina = Benoemd<QWidget>(this, "tbKassaServer");
    edtHost = Benoemd<QLineEdit>(pagina, "edtHost");
    edtPoort = MaakGetalVeld(pagina, QStringLiteral("edtPoort"), 6);
    auto* velden = new QFormLayout;
    velden->addRow(QStringLiteral("Server adres:"), edtHost);
    velden->addRow(QStringLiteral("Poort:"), edtPoort);
    auto* noot = new QLabel(QStringLiteral("Let op: Deze server instellingen worden niet per administratie maar lokaal "
                                           "per werkplek geregistreerd."),
                            pagina);
    noot->setWordWrap(true);
    auto* l = new QVBoxLayout(pagina);
    l->addLayout(velden);
    l->addWidget(noot);
    l->addStretch(1);
    return pagina;
}

QWidget* TfrmRsvSettings::MaakInterface()
{
    auto* pagina = Benoemd<QWidget>(this, "tbInterface");
    chkbxRelatieKaartVelden = Benoemd<QCheckBox>(pagina, "chkbxRelatieKaartVelden",
                                                 QStringLiteral("Relatiegegevens identiek aan relatiekaart-velden"));
    auto* l = new QVBoxLayout(pagina);
    l->addWidget(chkbxRelatieKaartVelden);
    l->addStretch(1);
    return pagina;
}

void TfrmRsvSettings::Verbind()
{
    connect(btnRijHoogtePlus, &QToolButton::clicked, this,
            [this] { edtRijHoogte->setValue(rsvsettings::RijHoogtePlus(edtRijHoogte->value())); });
    connect(btnRijHoogteMin, &QToolButton::clicked, this,
            [this] { edtRijHoogte->setValue(rsvsettings::RijHoogteMin(edtRijHoogte->value())); });
    connect(chkbxCursorHor, &QCheckBox::toggled, this, &TfrmRsvSettings::PasCursorsToe);
    connect(chkbxCursorVert, &QCheckBox::toggled, this, &TfrmRsvSettings::PasCursorsToe);
    connect(chkbxGeenGroep, &QCheckBox::toggled, this, [this](bool aan) { GroepOptieGewijzigd(false, aan); });
    connect(chkbxWelGroep, &QCheckBox::toggled, this, [this](bool aan) { GroepOptieGewijzigd(true, aan); });
    connect(rdbtnDefGeenGroep, &QRadioButton::clicked, this, [this] { StandaardGekozen(false); });
    connect(rdbtnDefWelGroep, &QRadioButton::clicked, this, [this] { StandaardGekozen(true); });
    connect(chkbxRelatieKaartVelden, &QCheckBox::toggled, this, &TfrmRsvSettings::chkbxRelatieKaartVeldenClick);
}
