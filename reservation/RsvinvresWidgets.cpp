// TfrmRsvInvRes: its panels and controls.

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "host/ui/TGridView.h"
#include "reservation/Benoemd.h"
#include "reservation/Rsvinvresunit.h"

namespace {
QWidget* Paneel(QWidget* ouder, const char* naam, int hoogte)
{
    auto* paneel = Benoemd<QWidget>(ouder, naam);
    paneel->setFixedHeight(hoogte);
    return paneel;
}

// A label with a sunken frame, as the till's read-only fields look.
QLabel* Veld(QWidget* ouder, const char* naam)
{
    auto* veld = Benoemd<QLabel>(ouder, naam);
    veld->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    veld->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    veld->setMinimumHeight(veld->fontMetrics().height() + 6);
    return veld;
}

QDateEdit* DatumVeld(QWidget* ouder, const char* naam)
{
    auto* datum = Benoemd<QDateEdit>(ouder, naam);
    datum->setCalendarPopup(true);
    datum->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    return datum;
}
}  // namespace

void TfrmRsvInvRes::MaakWidgets()
{
    resize(470, 542);
    pnlCap = Benoemd<QLabel>(this, "pnlCap", QStringLiteral("Beschikbare kamers"));
    pnlCap->setFixedHeight(21);
    pnlCap->setAlignment(Qt::AlignCenter);
    pnlCap->setStyleSheet(QStringLiteral("background: grey; color: white; font-weight: bold;"));
    pnlMain = Benoemd<QWidget>(this, "pnlMain");
    gvGrid = Benoemd<TGridView>(pnlMain, "gvGrid");
    gvGrid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    gvGrid->ZetRijHoogte(16);
    gvGrid->setStyleSheet(QStringLiteral("QTableView:!active { selection-background-color: silver; "
                                         "selection-color: black; }"));
    auto* midden = new QVBoxLayout(pnlMain);
    midden->setContentsMargins(0, 0, 0, 0);
    midden->addWidget(gvGrid);

    auto* hoofd = new QVBoxLayout(this);
    hoofd->setContentsMargins(0, 0, 0, 0);
    hoofd->setSpacing(0);
    hoofd->addWidget(MaakRelatie());
    hoofd->addWidget(MaakBoven());
    hoofd->addWidget(pnlCap);
    hoofd->addWidget(pnlMain, 1);
    hoofd->addWidget(MaakOnder());
}

QWidget* TfrmRsvInvRes::MaakRelatie()
{
    pnlRelatie = Paneel(this, "pnlRelatie", 37);
    pnlRelatieSel = Benoemd<QLabel>(pnlRelatie, "pnlRelatieSel", QStringLiteral("pnlRelatieSel"));
    pnlRelatieSel->setFixedWidth(137);
    pnlRelatieSel->setAlignment(Qt::AlignCenter);
    pnlRelatieSel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    pnlRelInfo = Benoemd<QWidget>(pnlRelatie, "pnlRelInfo");
    flblRelNr = Veld(pnlRelInfo, "flblRelNr");
    flblRelNaam = Veld(pnlRelInfo, "flblRelNaam");
    flblRelPlaats = Veld(pnlRelInfo, "flblRelPlaats");
    auto* info = new QHBoxLayout(pnlRelInfo);
    info->setContentsMargins(0, 0, 0, 0);
    info->addWidget(flblRelNr, 1);
    info->addWidget(flblRelNaam, 3);
    info->addWidget(flblRelPlaats, 2);
    auto* rij = new QHBoxLayout(pnlRelatie);
    rij->setContentsMargins(4, 4, 4, 4);
    rij->addWidget(pnlRelatieSel);
    rij->addWidget(pnlRelInfo, 1);
    return pnlRelatie;
}

QWidget* TfrmRsvInvRes::MaakBoven()
{
    pnlBoven = Paneel(this, "pnlBoven", 76);
    dtpckBegin = DatumVeld(pnlBoven, "dtpckBegin");
    dtpckEind = DatumVeld(pnlBoven, "dtpckEind");
    cmbxKamerType = Benoemd<QComboBox>(pnlBoven, "cmbxKamerType");
    cmbxKamerType->setMinimumWidth(100);
    flblTypeOmschr = Veld(pnlBoven, "flblTypeOmschr");
    auto* periode = new QHBoxLayout;
    periode->addWidget(new QLabel(QStringLiteral("Periode:"), pnlBoven));
    periode->addWidget(dtpckBegin);
    periode->addWidget(new QLabel(QStringLiteral("t/m"), pnlBoven));
    periode->addWidget(dtpckEind);
    periode->addStretch();
    auto* type = new QHBoxLayout;
    type->addWidget(new QLabel(QStringLiteral("Kamertype:"), pnlBoven));
    type->addWidget(cmbxKamerType);
    type->addWidget(flblTypeOmschr, 1);
    auto* kolom = new QVBoxLayout(pnlBoven);
    kolom->setContentsMargins(8, 4, 8, 4);
    kolom->addLayout(periode);
    kolom->addLayout(type);
    return pnlBoven;
}

QWidget* TfrmRsvInvRes::MaakOnder()
{
    pnlOnder = Paneel(this, "pnlOnder", 42);
    btnOk = Benoemd<QPushButton>(pnlOnder, "btnOk", QStringLiteral("OK"));
    btnAnnuleren = Benoemd<QPushButton>(pnlOnder, "btnAnnuleren", QStringLiteral("Annuleren"));
    auto* rij = new QHBoxLayout(pnlOnder);
    rij->addStretch();
    rij->addWidget(btnOk);
    rij->addWidget(btnAnnuleren);
    return pnlOnder;
}
