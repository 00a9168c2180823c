// TfrmRsvZoekRes: its controls and where they sit.

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "host/ui/TGridView.h"
#include "reservation/Benoemd.h"
#include "reservation/Rsvzoekresunit.h"
#include "reservation/UpDown.h"
#include "reservation/ZoekVraag.h"

namespace {
QComboBox* Keuzelijst(QWidget* ouder, const char* naam, const QStringList& items)
{
    auto* cmbx = Benoemd<QComboBox>(ouder, naam);
    cmbx->addItems(items);
    return cmbx;
}
}  // namespace

void TfrmRsvZoekRes::MaakWidgets()
{
    auto* boven = new QHBoxLayout;
    boven->addWidget(MaakSelectie());
    boven->addWidget(MaakWeergave());
    boven->addWidget(MaakSort());
    btnOverzicht = Benoemd<QPushButton>(this, "btnOverzicht", QStringLiteral("Overzicht"));
    btnOverzicht->setDefault(true);
    boven->addWidget(btnOverzicht, 0, Qt::AlignBottom);
    boven->addStretch();

    gvOverzicht = Benoemd<TGridView>(this, "gvOverzicht");
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(boven);
    hoofd->addWidget(gvOverzicht, 1);
    hoofd->addWidget(MaakOnder());
}

QGroupBox* TfrmRsvZoekRes::MaakSelectie()
{
    grpbxSelectie = Benoemd<QGroupBox>(this, "grpbxSelectie", QStringLiteral("Selectie"));
    rdbtnJaar = Benoemd<QRadioButton>(grpbxSelectie, "rdbtnJaar", QStringLiteral("Overzicht per jaar:"));
    edtJaar = Benoemd<QLineEdit>(grpbxSelectie, "edtJaar");
    edtJaar->setMaxLength(4);
    edtJaar->setValidator(new QIntValidator(0, 9999, edtJaar));
    edtJaar->setFixedWidth(50);
    updnJaar = new TUpDown(grpbxSelectie, edtJaar, zoek::kMinJaar, zoek::kMaxJaar);
    updnJaar->setObjectName(QStringLiteral("updnJaar"));
    rdbtnDatum = Benoemd<QRadioButton>(grpbxSelectie, "rdbtnDatum", QStringLiteral("Zoeken op datum:"));
    dtpckDatum = Benoemd<QDateEdit>(grpbxSelectie, "dtpckDatum");
    dtpckDatum->setCalendarPopup(true);
    dtpckDatum->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    rdbtnNaam = Benoemd<QRadioButton>(grpbxSelectie, "rdbtnNaam", QStringLiteral("Zoeken op naam:"));
    edtNaam = Benoemd<QLineEdit>(grpbxSelectie, "edtNaam");

    auto* jaar = new QHBoxLayout;
    jaar->setSpacing(1);
    jaar->addWidget(edtJaar);
    jaar->addWidget(updnJaar);
    jaar->addStretch();
    auto* rooster = new QGridLayout(grpbxSelectie);
    rooster->addWidget(rdbtnJaar, 0, 0);
    rooster->addLayout(jaar, 0, 1);
    rooster->addWidget(rdbtnDatum, 1, 0);
    rooster->addWidget(dtpckDatum, 1, 1);
    rooster->addWidget(rdbtnNaam, 2, 0);
    rooster->addWidget(edtNaam, 2, 1);
    return grpbxSelectie;
}

QGroupBox* TfrmRsvZoekRes::MaakWeergave()
{
    grpbxWeergave = Benoemd<QGroupBox>(this, "grpbxWeergave", QStringLiteral("Weergave"));
    rdbtnAlle = Benoemd<QRadioButton>(grpbxWeergave, "rdbtnAlle", QStringLiteral("Alle reserveringen"));
    rdbtnSelectie = Benoemd<QRadioButton>(grpbxWeergave, "rdbtnSelectie", QStringLiteral("Selectie"));
    lstbxWeergave = Benoemd<QListWidget>(grpbxWeergave, "lstbxWeergave");
    for (const char* item : {"Niet ingechecked", "Ingechecked", "Uitgechecked", "Geannuleerd"}) {
        auto* regel = new QListWidgetItem(QString::fromLatin1(item), lstbxWeergave);
        regel->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        regel->setCheckState(Qt::Checked);
    }
    // All four items in sight, without scroll bars.
    lstbxWeergave->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstbxWeergave->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstbxWeergave->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    lstbxWeergave->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* knoppen = new QVBoxLayout;
    knoppen->addWidget(rdbtnAlle);
    knoppen->addWidget(rdbtnSelectie);
    knoppen->addStretch();
    auto* rij = new QHBoxLayout(grpbxWeergave);
    rij->addLayout(knoppen);
    rij->addWidget(lstbxWeergave);
    return grpbxWeergave;
}

QGroupBox* TfrmRsvZoekRes::MaakSort()
{
    grpbxSort = Benoemd<QGroupBox>(this, "grpbxSort", QStringLiteral("Sorteren"));
    cmbxSort = Keuzelijst(grpbxSort, "cmbxSort", {QStringLiteral("Reserveringsnr."), QStringLiteral("Begindatum")});
    cmbxSortOrder = Keuzelijst(grpbxSort, "cmbxSortOrder", {QStringLiteral("Oplopend"), QStringLiteral("Aflopend")});
    auto* kolom = new QVBoxLayout(grpbxSort);
    kolom->addWidget(cmbxSort);
    kolom->addWidget(cmbxSortOrder);
    kolom->addStretch();
    return grpbxSort;
}

QWidget* TfrmRsvZoekRes::MaakOnder()
{
    pnlOnder = Benoemd<QWidget>(this, "pnlOnder");
    btnPrint = Benoemd<QPushButton>(pnlOnder, "btnPrint", QStringLiteral("Afdrukken"));
    btnOk = Benoemd<QPushButton>(pnlOnder, "btnOk", QStringLiteral("OK"));
    btnAnnuleren = Benoemd<QPushButton>(pnlOnder, "btnAnnuleren", QStringLiteral("Annuleren"));
    for (QPushButton* knop : {btnPrint, btnOk, btnAnnuleren})
        knop->setAutoDefault(false);
    auto* rij = new QHBoxLayout(pnlOnder);
    rij->setContentsMargins(0, 0, 0, 0);
    rij->addWidget(btnPrint);
    rij->addStretch();
    rij->addWidget(btnOk);
    rij->addWidget(btnAnnuleren);
    return pnlOnder;
}
