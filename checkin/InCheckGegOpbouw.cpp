// The controls of the room check-in dialog and their places.

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "checkin/Rsvincheckgegunit.h"
#include "host/ui/TGridView.h"
#include "reservation/ResGegWidgets.h"

namespace {

QLabel* Bijschrift(QWidget* ouder, const QString& tekst) { return new QLabel(tekst, ouder); }

}  // namespace

void TfrmRsvInCheckGeg::BouwControls()
{
    auto* hoofd = new QVBoxLayout(this);
    auto* kop = new QGridLayout;
    flblInCheckNr = NieuwWaardeLabel(this, QStringLiteral("flblInCheckNr"));
    flblKamerNr = NieuwWaardeLabel(this, QStringLiteral("flblKamerNr"));
    flblKamerType = NieuwWaardeLabel(this, QStringLiteral("flblKamerType"));
    flblInCheckDatum = NieuwWaardeLabel(this, QStringLiteral("flblInCheckDatum"));
    flblUitCheckDatum = NieuwWaardeLabel(this, QStringLiteral("flblUitCheckDatum"));
    for (QLabel* datum : {flblInCheckDatum, flblUitCheckDatum})
        datum->setMinimumWidth(150);
    kop->addWidget(Bijschrift(this, QStringLiteral("Incheck nr.:")), 0, 0);
    kop->addWidget(flblInCheckNr, 0, 1);
    kop->addWidget(Bijschrift(this, QStringLiteral("Kamer:")), 1, 0);
    kop->addWidget(flblKamerNr, 1, 1);
    kop->addWidget(Bijschrift(this, QStringLiteral("Kamertype:")), 1, 2);
    kop->addWidget(flblKamerType, 1, 3);
    kop->addWidget(Bijschrift(this, QStringLiteral("Ingechecked:")), 2, 0);
    kop->addWidget(flblInCheckDatum, 2, 1);
    kop->addWidget(Bijschrift(this, QStringLiteral("Uitgechecked:")), 2, 2);
    kop->addWidget(flblUitCheckDatum, 2, 3);
    kop->setColumnStretch(4, 1);
    hoofd->addLayout(kop);

    auto* midden = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    gvPers = new TGridView(this);
    gvPers->setObjectName(QStringLiteral("gvPers"));
    gvPers->setSelectionBehavior(QAbstractItemView::SelectRows);
    gvPers->setSelectionMode(QAbstractItemView::SingleSelection);
    links->addWidget(gvPers, 1);
    QBoxLayout* persKnoppen = nullptr;
    links->addWidget(NieuwPaneel(this, QStringLiteral("pnlPersKnoppen"), persKnoppen));
    btnNieuw = NieuweKnop(this, QStringLiteral("btnNieuw"), QStringLiteral("&Nieuw"));
    btnWijzigen = NieuweKnop(this, QStringLiteral("btnWijzigen"), QStringLiteral("&Wijzigen"));
    btnVerwijderen = NieuweKnop(this, QStringLiteral("btnVerwijderen"), QStringLiteral("&Verwijderen"));
    for (QPushButton* knop : {btnNieuw, btnWijzigen, btnVerwijderen})
        persKnoppen->addWidget(knop);
    persKnoppen->addStretch();
    midden->addLayout(links, 1);

    auto* rechts = new QVBoxLayout;
    gvGrid = new TGridView(this);
    gvGrid->setObjectName(QStringLiteral("gvGrid"));
    rechts->addWidget(gvGrid);
    QBoxLayout* relatie = nullptr;
    rechts->addWidget(NieuwPaneel(this, QStringLiteral("pnlRelatie"), relatie));
    flblRelNr = NieuwWaardeLabel(this, QStringLiteral("flblRelNr"));
    flblRelNr->setAutoFillBackground(true);
    btnSelRel = NieuweKnop(this, QStringLiteral("btnSelRel"), QStringLiteral("Selecteer relatie"));
    relatie->addWidget(Bijschrift(this, QStringLiteral("Relatienummer:")));
    relatie->addWidget(flblRelNr);
    relatie->addWidget(btnSelRel);
    relatie->addStretch();
    QBoxLayout* bewerk = nullptr;
    rechts->addWidget(NieuwPaneel(this, QStringLiteral("pnlBewerk"), bewerk));
    btnOvernemen = NieuweKnop(this, QStringLiteral("btnOvernemen"), QStringLiteral("&Overnemen van reservering"));
    btnToepassen = NieuweKnop(this, QStringLiteral("btnToepassen"), QStringLiteral("Toepassen"));
    bewerk->addWidget(btnOvernemen);
    bewerk->addStretch();
    bewerk->addWidget(btnToepassen);
    rechts->addStretch();
    midden->addLayout(rechts, 1);
    hoofd->addLayout(midden, 1);

    QBoxLayout* onder = nullptr;
    hoofd->addWidget(NieuwPaneel(this, QStringLiteral("pnlOnder"), onder));
    btnOk = NieuweKnop(this, QStringLiteral("btnOk"), QStringLiteral("OK"));
    btnAnnuleren = NieuweKnop(this, QStringLiteral("btnAnnuleren"), QStringLiteral("Annuleren"));
    onder->addStretch();
    onder->addWidget(btnOk);
    onder->addWidget(btnAnnuleren);
}
