// The check-in list's controls and the rows of its grid.

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "checkin/InCheckToestand.h"
#include "checkin/PersoonGegevens.h"
#include "checkin/Rsvincheckunit.h"
#include "host/ui/TGridView.h"
#include "reservation/ResGegWidgets.h"

void TfrmRsvInCheck::BouwControls()
{
    auto* hoofd = new QVBoxLayout(this);
    pnlBoven = new QWidget(this);
    pnlBoven->setObjectName(QStringLiteral("pnlBoven"));
    auto* kop = new QGridLayout(pnlBoven);
    kop->setContentsMargins(0, 0, 0, 0);
    flblResBoekNr = NieuwWaardeLabel(pnlBoven, QStringLiteral("flblResBoekNr"));
    flblRegDatum = NieuwWaardeLabel(pnlBoven, QStringLiteral("flblRegDatum"));
    flblTotBedrag = NieuwWaardeLabel(pnlBoven, QStringLiteral("flblTotBedrag"), Qt::AlignRight);
    flblStatus = NieuwWaardeLabel(pnlBoven, QStringLiteral("flblStatus"));
    flblRegDatum->setMinimumWidth(150);
    kop->addWidget(new QLabel(QStringLiteral("Boekingsnr.:"), pnlBoven), 0, 0);
    kop->addWidget(flblResBoekNr, 0, 1);
    kop->addWidget(new QLabel(QStringLiteral("Reg. datum:"), pnlBoven), 0, 2);
    kop->addWidget(flblRegDatum, 0, 3);
    kop->addWidget(new QLabel(QStringLiteral("Totaal bedrag:"), pnlBoven), 1, 0);
    kop->addWidget(flblTotBedrag, 1, 1);
    kop->addWidget(new QLabel(QStringLiteral("Status:"), pnlBoven), 1, 2);
    kop->addWidget(flblStatus, 1, 3);
    kop->setColumnStretch(4, 1);
    hoofd->addWidget(pnlBoven);

    gvOverzicht = new TGridView(this);
    gvOverzicht->setObjectName(QStringLiteral("gvOverzicht"));
    gvOverzicht->setSelectionBehavior(QAbstractItemView::SelectRows);
    gvOverzicht->setSelectionMode(QAbstractItemView::SingleSelection);
    hoofd->addWidget(gvOverzicht, 1);

    QBoxLayout* onder = nullptr;
    pnlOnder = NieuwPaneel(this, QStringLiteral("pnlOnder"), onder);
    btnKamerInCheck = NieuweKnop(pnlOnder, QStringLiteral("btnKamerInCheck"), QStringLiteral("Kamer inchecken"));
    btnKamerUitCheck = NieuweKnop(pnlOnder, QStringLiteral("btnKamerUitCheck"), QStringLiteral("Kamer uitchecken"));
    btnAllesUitCheck = NieuweKnop(pnlOnder, QStringLiteral("btnAllesUitCheck"), QStringLiteral("Alles uitchecken"));
    btnAnnuIncheck = NieuweKnop(pnlOnder, QStringLiteral("btnAnnuIncheck"), QStringLiteral("Incheck annuleren"));
    btnAnnuIncheck->hide();
    btnAnnuleren = NieuweKnop(pnlOnder, QStringLiteral("btnAnnuleren"), QStringLiteral("Sluiten"));
    for (QPushButton* knop : {btnKamerInCheck, btnKamerUitCheck, btnAllesUitCheck, btnAnnuIncheck})
        onder->addWidget(knop);
    onder->addStretch();
    onder->addWidget(btnAnnuleren);
    hoofd->addWidget(pnlOnder);
}

// One group of rows per room line: a row per person, or one row.
void TfrmRsvInCheck::VulRegel()
{
    rijKamers_.clear();
    const brlib::RsvReservering& res = lijst_.Reservering();
    const QStringList labels = incheck::PersoonLabels(res);
    for (int i = 0; i < int(res.kamerRegels.size()); ++i) {
        const brlib::stRes& k = res.kamerRegels[i];
        const int kamerNr = k.kamerNr;
        const QString status = incheck::StatusTekst(k);
        const QString inCheckNr = incheck::IsIngecheckt(k) ? k.inCheck.sleutel.String(2, 5) : QString();
        QString registratieNr = incheck::IsGeregistreerd(k) ? k.inCheck.kassaRegistratie.String(2, 6) : QString();
        if (k.inCheck.productenGeregistreerd)
            registratieNr += QStringLiteral(" (*)");
        gvOverzicht->FillNewColDatum(QStringLiteral("begindat"), &k.begin);
        gvOverzicht->FillNewColDatum(QStringLiteral("einddat"), &k.eind);
        gvOverzicht->FillNewCol(QStringLiteral("kamernr"), &kamerNr);
        gvOverzicht->FillNewCol(QStringLiteral("kamertype"), &k.kamerType);
        gvOverzicht->FillNewCol(QStringLiteral("prijs"), &k.prijs);
        gvOverzicht->FillNewCol(QStringLiteral("bedrag"), &k.bedrag);
        gvOverzicht->FillNewCol(QStringLiteral("tariefcode"), &k.tariefCode);
        gvOverzicht->FillNewCol(QStringLiteral("status"), &status);
        gvOverzicht->FillNewCol(QStringLiteral("inchecknr"), &inCheckNr);
        gvOverzicht->FillNewCol(QStringLiteral("registratienr"), &registratieNr);
        const auto& personen = k.inCheck.personen;
        if (!incheck::IsVerplaatst(k)) {
            const int aantal = int(personen.size());
            gvOverzicht->FillNewCol(QStringLiteral("aantalpers"), &aantal);
            for (const brlib::stPersoon& p : personen) {
                const QString naam = incheck::PersoonNaam(p, labels);
                gvOverzicht->FillNewCol(QStringLiteral("personen"), &naam);
                rijKamers_.push_back(i);
            }
        } else {
            const QString opm = QStringLiteral("*VERPLAATST NAAR ") + QString::number(k.verplaatstNaar) + u'*';
            gvOverzicht->FillNewCol(QStringLiteral("opm"), &opm);
            if (!personen.empty())
                rijKamers_.push_back(i);
        }
        gvOverzicht->EndGroup();
        if (personen.empty())
            rijKamers_.push_back(i);
    }
}
