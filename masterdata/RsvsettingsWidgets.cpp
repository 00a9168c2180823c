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
#include "masterdata/StamWidgets.h"

namespace {

template <class W>
W* Benoem(W* w, const char* naam)
{
    w->setObjectName(QString::fromLatin1(naam));
    return w;
}

QToolButton* Stapknop(QWidget* ouder, const char* naam, const QString& tekst)
{
    auto* knop = Benoem(new QToolButton(ouder), naam);
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
    pgMain = Benoem(new QTabWidget(this), "pgMain");
    tbAlgemeen = Benoem(MaakAlgemeen(), "tbAlgemeen");
    tbKassaServer = Benoem(MaakKassaServer(), "tbKassaServer");
    tbInterface = Benoem(MaakInterface(), "tbInterface");
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
    auto* pagina = new QWidget(this);
    edtRijHoogte = Benoem(new QSpinBox(pagina), "edtRijHoogte");
    edtRijHoogte->setRange(rsvsettings::kRijHoogteMin, rsvsettings::kRijHoogteMax);
    edtRijHoogte->setButtonSymbols(QAbstractSpinBox::NoButtons);
    btnRijHoogtePlus = Stapknop(pagina, "btnRijHoogtePlus", QStringLiteral("+"));
    btnRijHoogteMin = Stapknop(pagina, "btnRijHoogteMin", QStringLiteral("-"));
    chkbxCursorHor = Benoem(new QCheckBox(QStringLiteral("Cursor kamer (horizontaal):"), pagina), "chkbxCursorHor");
    rdbtnHor1 = Benoem(new QRadioButton(QStringLiteral("Volledige rij"), pagina), "rdbtnHor1");
    rdbtnHor2 = Benoem(new QRadioButton(QStringLiteral("Alleen kamer"), pagina), "rdbtnHor2");
    chkbxCursorVert = Benoem(new QCheckBox(QStringLiteral("Cursor datum (verticaal):"), pagina), "chkbxCursorVert");
    rdbtnVert1 = Benoem(new QRadioButton(QStringLiteral("Volledige kolom"), pagina), "rdbtnVert1");
    rdbtnVert2 = Benoem(new QRadioButton(QStringLiteral("Alleen datum"), pagina), "rdbtnVert2");
    chkbxDebOvernemen = Benoem(
        new QCheckBox(QStringLiteral("Debiteurgegevens automatisch overnemen bij inchecken"), pagina), "chkbxDebOvernemen");
    chkbxAutoProdReg = Benoem(
        new QCheckBox(QStringLiteral("Automatisch producten registeren bij eerste incheck van reservering"), pagina),
        "chkbxAutoProdReg");

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
    chkbxGeenGroep = Benoem(new QCheckBox(QStringLiteral("Meerdere kamers per reservering mogelijk"), groep),
                            "chkbxGeenGroep");
    chkbxWelGroep = Benoem(
        new QCheckBox(QStringLiteral("Groep van reserveringen maken (1 kamer per reservering)"), groep), "chkbxWelGroep");
    rdbtnDefGeenGroep = Benoem(new QRadioButton(QStringLiteral("Als standaard instellen"), groep), "rdbtnDefGeenGroep");
    rdbtnDefWelGroep = Benoem(new QRadioButton(QStringLiteral("Als standaard instellen"), groep), "rdbtnDefWelGroep");
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
    auto* pagina = new QWidget(this);
    edtHost = Benoem(new QLineEdit(pagina), "edtHost");
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
    auto* pagina = new QWidget(this);
    chkbxRelatieKaartVelden = Benoem(
        new QCheckBox(QStringLiteral("Relatiegegevens identiek aan relatiekaart-velden"), pagina),
        "chkbxRelatieKaartVelden");
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
