#include "reservation/ResGegOpbouw.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include "reservation/RadioGroup.h"
#include "reservation/ResGegPaginas.h"
#include "reservation/ResGegWidgets.h"
#include "reservation/Rsvresgegunit.h"

namespace {

TRadioGroup* NieuweRadioGroep(QWidget* ouder, const char* naam, const char* titel,
                              std::initializer_list<const char*> items)
{
    QStringList teksten;
    for (const char* item : items)
        teksten << QString::fromUtf8(item);
    return new TRadioGroup(QString::fromUtf8(naam), QString::fromUtf8(titel), teksten, ouder);
}

void MaakBoven(TfrmRsvResGeg& f)
{
    f.pnlBoven = new QWidget(&f);
    f.pnlBoven->setObjectName(QStringLiteral("pnlBoven"));
    f.flblResBoekNr = NieuwWaardeLabel(f.pnlBoven, QStringLiteral("flblResBoekNr"));
    f.flblRegDatum = NieuwWaardeLabel(f.pnlBoven, QStringLiteral("flblRegDatum"));
    f.flblTotBedrag = NieuwWaardeLabel(f.pnlBoven, QStringLiteral("flblTotBedrag"), Qt::AlignRight);
    f.flblStatus = NieuwWaardeLabel(f.pnlBoven, QStringLiteral("flblStatus"));
    f.lblGroepNr = new QLabel(QStringLiteral("Groep:"), f.pnlBoven);
    f.lblGroepNr->setObjectName(QStringLiteral("lblGroepNr"));
    f.flblGroepNr = NieuwWaardeLabel(f.pnlBoven, QStringLiteral("flblGroepNr"));
    auto* rooster = new QGridLayout(f.pnlBoven);
    rooster->setContentsMargins(0, 0, 0, 0);
    rooster->setVerticalSpacing(2);
    rooster->addWidget(new QLabel(QStringLiteral("Reserveringsnr:"), f.pnlBoven), 0, 0);
    rooster->addWidget(f.flblResBoekNr, 0, 1);
    rooster->addWidget(new QLabel(QStringLiteral("Geregistreerd op:"), f.pnlBoven), 1, 0);
    rooster->addWidget(f.flblRegDatum, 1, 1);
    rooster->addWidget(new QLabel(QStringLiteral("Totaal bedrag:"), f.pnlBoven), 0, 3);
    rooster->addWidget(f.flblTotBedrag, 0, 4);
    rooster->addWidget(new QLabel(QStringLiteral("Status:"), f.pnlBoven), 1, 3);
    rooster->addWidget(f.flblStatus, 1, 4);
    rooster->addWidget(f.lblGroepNr, 2, 3);
    rooster->addWidget(f.flblGroepNr, 2, 4);
    rooster->setColumnStretch(2, 1);
}

void MaakExtra(TfrmRsvResGeg& f)
{
    f.grpbxExtra = new QGroupBox(QStringLiteral("Extra"), &f);
    f.grpbxExtra->setObjectName(QStringLiteral("grpbxExtra"));
    f.chkbxExtra1 = new QCheckBox(QStringLiteral("Ontbijt"), f.grpbxExtra);
    f.chkbxExtra2 = new QCheckBox(QStringLiteral("Lunch"), f.grpbxExtra);
    f.chkbxExtra3 = new QCheckBox(QStringLiteral("Diner"), f.grpbxExtra);
    auto* kolom = new QVBoxLayout(f.grpbxExtra);
    kolom->setSpacing(2);
    int nr = 1;
    for (QCheckBox* vak : {f.chkbxExtra1, f.chkbxExtra2, f.chkbxExtra3}) {
        vak->setObjectName(QStringLiteral("chkbxExtra%1").arg(nr++));
        kolom->addWidget(vak);
    }
    kolom->addStretch(1);
}

// The buttons for a stored reservation; a new one has no use for them.
void MaakKnoppenPaneel(TfrmRsvResGeg& f)
{
    QBoxLayout* knoppen = nullptr;
    f.pnlButtons = NieuwPaneel(&f, QStringLiteral("pnlButtons"), knoppen, true);
    f.btnInCheck = NieuweKnop(f.pnlButtons, QStringLiteral("btnInCheck"), QStringLiteral("In- en uitchecken"));
    f.btnResAnnu = NieuweKnop(f.pnlButtons, QStringLiteral("btnResAnnu"), QStringLiteral("Reservering annuleren"));
    f.btnDelUitGroep =
        NieuweKnop(f.pnlButtons, QStringLiteral("btnDelUitGroep"), QStringLiteral("Verwijder uit groep"));
    for (QPushButton* knop : {f.btnInCheck, f.btnResAnnu, f.btnDelUitGroep}) {
        knoppen->addWidget(knop);
        knop->hide();
    }
    knoppen->addStretch(1);
}

QLayout* MaakKeuzes(TfrmRsvResGeg& f)
{
    f.rdgrpResType = NieuweRadioGroep(&f, "rdgrpResType", "Type", {"Reservering", "Optie", "Blokkade"});
    f.rdgrpZakPriv = NieuweRadioGroep(&f, "rdgrpZakPriv", "Zakelijk/prive", {"Onbekend", "Zakelijk", "Prive"});
    f.rdgrpNat = NieuweRadioGroep(&f, "rdgrpNat", "Nationaliteit", {"Onbekend", "Nederlandse", "Buitenlandse"});
    MaakExtra(f);
    MaakKnoppenPaneel(f);
    auto* rij = new QHBoxLayout;
    for (QWidget* groep : std::initializer_list<QWidget*>{f.rdgrpResType, f.rdgrpZakPriv, f.rdgrpNat, f.grpbxExtra})
        rij->addWidget(groep);
    rij->addStretch(1);
    rij->addWidget(f.pnlButtons);
    return rij;
}

void MaakOnder(TfrmRsvResGeg& f)
{
    QBoxLayout* rij = nullptr;
    f.pnlOnder = NieuwPaneel(&f, QStringLiteral("pnlOnder"), rij);
    f.btnAfdrukken = NieuweKnop(f.pnlOnder, QStringLiteral("btnAfdrukken"), QStringLiteral("Afdrukken"));
    f.btnEmail = NieuweKnop(f.pnlOnder, QStringLiteral("btnEmail"), QStringLiteral("E-mail"));
    f.btnEdit = NieuweKnop(f.pnlOnder, QStringLiteral("btnEdit"), QStringLiteral("Wijzigen"));
    QBoxLayout* eind = nullptr;
    f.pnlEindDatum = NieuwPaneel(f.pnlOnder, QStringLiteral("pnlEindDatum"), eind);
    f.dtpckEindDatum = new QDateEdit(f.pnlEindDatum);
    f.dtpckEindDatum->setObjectName(QStringLiteral("dtpckEindDatum"));
    f.dtpckEindDatum->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    f.btnMinEindDat = NieuweKnop(f.pnlEindDatum, QStringLiteral("btnMinEindDat"), QStringLiteral("-"));
    f.btnPlusEindDat = NieuweKnop(f.pnlEindDatum, QStringLiteral("btnPlusEindDat"), QStringLiteral("+"));
    for (QPushButton* knop : {f.btnMinEindDat, f.btnPlusEindDat})
        knop->setFixedWidth(knop->sizeHint().height());
    eind->addWidget(new QLabel(QStringLiteral("Einddatum:"), f.pnlEindDatum));
    eind->addWidget(f.dtpckEindDatum);
    eind->addWidget(f.btnMinEindDat);
    eind->addWidget(f.btnPlusEindDat);
    f.btnOk = NieuweKnop(f.pnlOnder, QStringLiteral("btnOk"), QStringLiteral("OK"));
    f.btnAnnuleren = NieuweKnop(f.pnlOnder, QStringLiteral("btnAnnuleren"), QStringLiteral("Annuleren"));
    for (QWidget* deel : std::initializer_list<QWidget*>{f.btnAfdrukken, f.btnEmail, f.btnEdit})
        rij->addWidget(deel);
    rij->addStretch(1);
    for (QWidget* deel : std::initializer_list<QWidget*>{f.pnlEindDatum, f.btnOk, f.btnAnnuleren})
        rij->addWidget(deel);
}

}  // namespace

void BouwResGegControls(TfrmRsvResGeg& f)
{
    MaakBoven(f);
    QLayout* keuzes = MaakKeuzes(f);
    MaakPaginas(f);
    MaakOnder(f);
    auto* hoofd = new QVBoxLayout(&f);
    hoofd->setContentsMargins(6, 6, 6, 6);
    hoofd->setSpacing(4);
    hoofd->addWidget(f.pnlBoven);
    hoofd->addLayout(keuzes);
    hoofd->addWidget(f.pgMain, 1);
    hoofd->addWidget(f.pnlOnder);
}
