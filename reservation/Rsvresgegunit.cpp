#include "reservation/Rsvresgegunit.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "host/base/MachineSettings.h"
#include "host/ui/GridCel.h"
#include "host/ui/ModalShow.h"
#include "host/ui/TGridView.h"
#include "reservation/GastGegevens.h"
#include "reservation/GastGrid.h"
#include "reservation/RadioGroup.h"
#include "reservation/ResGegWidgets.h"

namespace {
const QString kFormKey = QStringLiteral("form");
constexpr int kTabHoogte = 30;
constexpr int kTabHoogteStandAlone = 33;

void ZetTabHoogte(QTabWidget& paginas, int hoogte)
{
    paginas.tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: %1px; }").arg(hoogte));
}

QWidget* NieuwePagina(QTabWidget* paginas, const QString& naam, const QString& titel)
{
    auto* pagina = new QWidget(paginas);
    pagina->setObjectName(naam);
    paginas->addTab(pagina, titel);
    return pagina;
}
}  // namespace

TfrmRsvResGeg::TfrmRsvResGeg(QWidget* owner, TChildWindowManager* manager, bool standAlone)
    : THostedForm(owner, manager, QStringLiteral("RsvResGeg")), standAlone_(standAlone)
{
    // The design caption; it stays the title of the form's messages.
    SetCaption(QStringLiteral("Reserveringsgegevens"));
    MaakBoven();
    QLayout* keuzes = MaakKeuzes();
    MaakPaginas();
    MaakOnder();
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addWidget(pnlBoven);
    hoofd->addLayout(keuzes);
    hoofd->addWidget(pgMain, 1);
    hoofd->addWidget(pnlOnder);
    setMinimumWidth(636);
    resize(696, 572);
}

void TfrmRsvResGeg::MaakBoven()
{
    pnlBoven = new QWidget(this);
    pnlBoven->setObjectName(QStringLiteral("pnlBoven"));
    flblResBoekNr = NieuwWaardeLabel(pnlBoven, QStringLiteral("flblResBoekNr"));
    flblRegDatum = NieuwWaardeLabel(pnlBoven, QStringLiteral("flblRegDatum"));
    flblTotBedrag = NieuwWaardeLabel(pnlBoven, QStringLiteral("flblTotBedrag"), Qt::AlignRight);
    flblStatus = NieuwWaardeLabel(pnlBoven, QStringLiteral("flblStatus"));
    lblGroepNr = new QLabel(QStringLiteral("Groep:"), pnlBoven);
    lblGroepNr->setObjectName(QStringLiteral("lblGroepNr"));
    flblGroepNr = NieuwWaardeLabel(pnlBoven, QStringLiteral("flblGroepNr"));
    auto* rooster = new QGridLayout(pnlBoven);
    rooster->setContentsMargins(0, 0, 0, 0);
    rooster->addWidget(new QLabel(QStringLiteral("Reserveringsnr:"), pnlBoven), 0, 0);
    rooster->addWidget(flblResBoekNr, 0, 1);
    rooster->addWidget(new QLabel(QStringLiteral("Geregistreerd op:"), pnlBoven), 1, 0);
    rooster->addWidget(flblRegDatum, 1, 1);
    rooster->addWidget(new QLabel(QStringLiteral("Totaal bedrag:"), pnlBoven), 0, 3);
    rooster->addWidget(flblTotBedrag, 0, 4);
    rooster->addWidget(new QLabel(QStringLiteral("Status:"), pnlBoven), 1, 3);
    rooster->addWidget(flblStatus, 1, 4);
    rooster->addWidget(lblGroepNr, 2, 3);
    rooster->addWidget(flblGroepNr, 2, 4);
    rooster->setColumnStretch(2, 1);
}

QLayout* TfrmRsvResGeg::MaakKeuzes()
{
    rdgrpResType = new TRadioGroup(QStringLiteral("rdgrpResType"), QStringLiteral("Type"),
                                   {QStringLiteral("Reservering"), QStringLiteral("Optie"), QStringLiteral("Blokkade")},
                                   this);
    rdgrpZakPriv = new TRadioGroup(QStringLiteral("rdgrpZakPriv"), QStringLiteral("Zakelijk/prive"),
                                   {QStringLiteral("Onbekend"), QStringLiteral("Zakelijk"), QStringLiteral("Prive")},
                                   this);
    rdgrpNat = new TRadioGroup(QStringLiteral("rdgrpNat"), QStringLiteral("Nationaliteit"),
                               {QStringLiteral("Onbekend"), QStringLiteral("Nederlandse"), QStringLiteral("Buitenlandse")},
                               this);
    grpbxExtra = new QGroupBox(QStringLiteral("Extra"), this);
    grpbxExtra->setObjectName(QStringLiteral("grpbxExtra"));
    chkbxExtra1 = new QCheckBox(QStringLiteral("Ontbijt"), grpbxExtra);
    chkbxExtra2 = new QCheckBox(QStringLiteral("Lunch"), grpbxExtra);
    chkbxExtra3 = new QCheckBox(QStringLiteral("Diner"), grpbxExtra);
    auto* extra = new QVBoxLayout(grpbxExtra);
    int nr = 1;
    for (QCheckBox* vak : {chkbxExtra1, chkbxExtra2, chkbxExtra3}) {
        vak->setObjectName(QStringLiteral("chkbxExtra%1").arg(nr++));
        extra->addWidget(vak);
    }
    extra->addStretch(1);
    QBoxLayout* knoppen = nullptr;
    pnlButtons = NieuwPaneel(this, QStringLiteral("pnlButtons"), knoppen, true);
    btnInCheck = NieuweKnop(pnlButtons, QStringLiteral("btnInCheck"), QStringLiteral("In- en uitchecken"));
    btnResAnnu = NieuweKnop(pnlButtons, QStringLiteral("btnResAnnu"), QStringLiteral("Reservering annuleren"));
    btnDelUitGroep = NieuweKnop(pnlButtons, QStringLiteral("btnDelUitGroep"), QStringLiteral("Verwijder uit groep"));
    for (QPushButton* knop : {btnInCheck, btnResAnnu, btnDelUitGroep}) {
        knoppen->addWidget(knop);
        knop->hide();
    }
    knoppen->addStretch(1);
    auto* rij = new QHBoxLayout;
    for (QWidget* groep : std::initializer_list<QWidget*>{rdgrpResType, rdgrpZakPriv, rdgrpNat, grpbxExtra})
        rij->addWidget(groep);
    rij->addStretch(1);
    rij->addWidget(pnlButtons);
    return rij;
}

void TfrmRsvResGeg::MaakPaginas()
{
    pgMain = new QTabWidget(this);
    pgMain->setObjectName(QStringLiteral("pgMain"));
    ZetTabHoogte(*pgMain, kTabHoogte);
    tbRelatie = MaakRelatiePagina();
    tbExtra = NieuwePagina(pgMain, QStringLiteral("tbExtra"), QStringLiteral("Extra"));
    reExtra = new QPlainTextEdit(tbExtra);
    reExtra->setObjectName(QStringLiteral("reExtra"));
    (new QVBoxLayout(tbExtra))->addWidget(reExtra);
    tbKamers = NieuwePagina(pgMain, QStringLiteral("tbKamers"), QStringLiteral("Kamers"));
    gvKamers = new TGridView(tbKamers);
    gvKamers->setObjectName(QStringLiteral("gvKamers"));
    gvKamers->SetIniDir(GvlPath() + QStringLiteral("/Tlr"));
    gvKamers->CheckIniFileName(QStringLiteral("RsvOvRes.gvl"));
    gvKamers->KolomZichtbaar(QStringLiteral("opm"), true);
    (new QVBoxLayout(tbKamers))->addWidget(gvKamers);
    tbArtikel = NieuwePagina(pgMain, QStringLiteral("tbArtikel"), QStringLiteral("Producten"));
}

QWidget* TfrmRsvResGeg::MaakRelatiePagina()
{
    QWidget* pagina = NieuwePagina(pgMain, QStringLiteral("tbRelatie"), QStringLiteral("Relatie"));
    QBoxLayout* info = nullptr;
    pnlRelInfo = NieuwPaneel(pagina, QStringLiteral("pnlRelInfo"), info);
    flblRelNr = NieuwWaardeLabel(pnlRelInfo, QStringLiteral("flblRelNr"), Qt::AlignRight);
    flblRelNr->setAutoFillBackground(true);
    btnSelRel = NieuweKnop(pnlRelInfo, QStringLiteral("btnSelRel"), QStringLiteral("Selecteer debiteur"));
    btnVoorReg = NieuweKnop(pnlRelInfo, QStringLiteral("btnVoorReg"), QStringLiteral("Voor-registratie"));
    btnVoorReg->setCheckable(true);
    info->addWidget(new QLabel(QStringLiteral("Relatienummer:"), pnlRelInfo));
    info->addWidget(flblRelNr);
    info->addWidget(btnSelRel);
    info->addStretch(1);
    info->addWidget(btnVoorReg);
    gvGrid = new TGridView(pagina);
    gvGrid->setObjectName(QStringLiteral("gvGrid"));
    gastGrid_ = new GastGrid(*gvGrid);
    QBoxLayout* rij = nullptr;
    QWidget* gridPaneel = NieuwPaneel(pagina, QStringLiteral("pnlGrid"), rij);
    pnlVoorReg = new QWidget(gridPaneel);
    pnlVoorReg->setObjectName(QStringLiteral("pnlVoorReg"));
    pnlVoorReg->hide();
    rij->addWidget(gvGrid, 1, Qt::AlignTop);
    rij->addWidget(pnlVoorReg);
    auto* kolom = new QVBoxLayout(pagina);
    kolom->addWidget(pnlRelInfo);
    kolom->addWidget(gridPaneel, 1);
    return pagina;
}

void TfrmRsvResGeg::MaakOnder()
{
    QBoxLayout* rij = nullptr;
    pnlOnder = NieuwPaneel(this, QStringLiteral("pnlOnder"), rij);
    btnAfdrukken = NieuweKnop(pnlOnder, QStringLiteral("btnAfdrukken"), QStringLiteral("Afdrukken"));
    btnEmail = NieuweKnop(pnlOnder, QStringLiteral("btnEmail"), QStringLiteral("E-mail"));
    btnEdit = NieuweKnop(pnlOnder, QStringLiteral("btnEdit"), QStringLiteral("Wijzigen"));
    QBoxLayout* eind = nullptr;
    pnlEindDatum = NieuwPaneel(pnlOnder, QStringLiteral("pnlEindDatum"), eind);
    dtpckEindDatum = new QDateEdit(pnlEindDatum);
    dtpckEindDatum->setObjectName(QStringLiteral("dtpckEindDatum"));
    dtpckEindDatum->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    btnMinEindDat = NieuweKnop(pnlEindDatum, QStringLiteral("btnMinEindDat"), QStringLiteral("-"));
    btnPlusEindDat = NieuweKnop(pnlEindDatum, QStringLiteral("btnPlusEindDat"), QStringLiteral("+"));
    eind->addWidget(new QLabel(QStringLiteral("Einddatum:"), pnlEindDatum));
    eind->addWidget(dtpckEindDatum);
    eind->addWidget(btnMinEindDat);
    eind->addWidget(btnPlusEindDat);
    btnOk = NieuweKnop(pnlOnder, QStringLiteral("btnOk"), QStringLiteral("OK"));
    btnAnnuleren = NieuweKnop(pnlOnder, QStringLiteral("btnAnnuleren"), QStringLiteral("Annuleren"));
    for (QWidget* deel : std::initializer_list<QWidget*>{btnAfdrukken, btnEmail, btnEdit})
        rij->addWidget(deel);
    rij->addStretch(1);
    for (QWidget* deel : std::initializer_list<QWidget*>{pnlEindDatum, btnOk, btnAnnuleren})
        rij->addWidget(deel);
    connect(btnOk, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    connect(btnAnnuleren, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
}

void TfrmRsvResGeg::ZetGegevens(const ResGegevens& gegevens, double totaalBedrag)
{
    gegevens_ = gegevens;
    totaalBedrag_ = totaalBedrag;
}

void TfrmRsvResGeg::FormShow()
{
    THostedForm::FormShow();
    if (!IsHosted())
        MachineSettings(IdentityName()).ReadFormPosSize(kFormKey, *this);
    Laad();
}

void TfrmRsvResGeg::Laad()
{
    if (standAlone_)
        ZetTabHoogte(*pgMain, kTabHoogteStandAlone);
    ZetNieuweModus();
    pgMain->setCurrentWidget(tbRelatie);
    flblTotBedrag->setText(FormatGetal(totaalBedrag_, QStringLiteral("0.00")));
    ToonKeuzes();
    gastGrid_->BouwRijen(GastRijLabels(gegevens_));
    gastGrid_->Toon(HoofdgastRegels(gegevens_));
    ToonRelatieNr(gegevens_.relatieNr);
    reExtra->setPlainText(gegevens_.extraRegels.join(u'\n'));
    gvGrid->SetEditMode(true);
}

// A reservation that is not stored yet: nothing to show of the store, nothing
// to do with it but fill in its details.
void TfrmRsvResGeg::ZetNieuweModus()
{
    SetCaption(QStringLiteral("Invoeren reserveringsgegevens"));
    pgMain->setTabVisible(pgMain->indexOf(tbKamers), false);
    // Products and the relation picker come with the stored reservation's edits.
    pgMain->setTabEnabled(pgMain->indexOf(tbArtikel), false);
    btnSelRel->setEnabled(false);
    btnSelRel->show();
    btnVoorReg->setEnabled(false);
    flblResBoekNr->setText(QStringLiteral("NIEUW"));
    flblRegDatum->clear();
    flblStatus->clear();
    flblGroepNr->clear();
    for (QWidget* knop : std::initializer_list<QWidget*>{btnResAnnu, btnAfdrukken, btnDelUitGroep, btnEmail, btnEdit,
                                                         btnInCheck, pnlEindDatum})
        knop->hide();
}

void TfrmRsvResGeg::ToonKeuzes()
{
    rdgrpResType->SetItemIndex(gegevens_.vlaggen[0]);
    rdgrpNat->SetItemIndex(gegevens_.vlaggen[1]);
    rdgrpZakPriv->SetItemIndex(gegevens_.vlaggen[2]);
    chkbxExtra1->setChecked(gegevens_.extra[0] != 0);
    chkbxExtra2->setChecked(gegevens_.extra[1] != 0);
    chkbxExtra3->setChecked(gegevens_.extra[2] != 0);
}

void TfrmRsvResGeg::ToonRelatieNr(int32_t relatieNr)
{
    const bool bekend = relatieNr > 0;
    flblRelNr->setText(bekend ? QString::number(relatieNr) : QString());
    QPalette kleuren = flblRelNr->palette();
    kleuren.setColor(QPalette::Window, palette().color(bekend ? QPalette::Base : QPalette::Button));
    flblRelNr->setPalette(kleuren);
}

void TfrmRsvResGeg::Verzamel()
{
    ZetHoofdgastRegels(gegevens_, gastGrid_->Waarden());
    gegevens_.extraRegels = TekstRegels(reExtra->toPlainText());
    // A value the radio groups cannot show is kept as it came.
    const auto neem = [](const TRadioGroup& groep, uint8_t& vlag) {
        if (groep.ItemIndex() >= 0)
            vlag = static_cast<uint8_t>(groep.ItemIndex());
    };
    neem(*rdgrpResType, gegevens_.vlaggen[0]);
    neem(*rdgrpNat, gegevens_.vlaggen[1]);
    neem(*rdgrpZakPriv, gegevens_.vlaggen[2]);
    gegevens_.extra[0] = chkbxExtra1->isChecked() ? 1 : 0;
    gegevens_.extra[1] = chkbxExtra2->isChecked() ? 1 : 0;
    gegevens_.extra[2] = chkbxExtra3->isChecked() ? 1 : 0;
}

bool TfrmRsvResGeg::FormCloseQuery()
{
    if (ModalResult() == mrOk)
        Verzamel();
    return true;
}

void TfrmRsvResGeg::FormClose(TCloseAction& action)
{
    if (!IsHosted())
        MachineSettings(IdentityName()).WriteFormPosSize(kFormKey, *this);
    THostedForm::FormClose(action);
}

// A modal result ends the show the way closing the window does, so that the
// close query collects the edits and the close keeps the position.
void TfrmRsvResGeg::done(int)
{
    if (!close())
        SetModalResult(mrNone);
}

void TfrmRsvResGeg::reject() { SetModalResult(mrCancel); }

bool VraagResGegevens(QWidget* owner, bool standAlone, ResGegevens& gegevens, double totaalBedrag)
{
    TfrmRsvResGeg dlg(owner, nullptr, standAlone);
    dlg.ZetGegevens(gegevens, totaalBedrag);
    if (ShowModal(dlg) != mrOk)
        return false;
    gegevens = dlg.Gegevens();
    return true;
}
