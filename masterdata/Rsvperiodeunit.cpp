#include "masterdata/Rsvperiodeunit.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "host/base/HuidigeDatum.h"
#include "host/ui/HandlerGuard.h"
#include "host/ui/Messages.h"
#include "masterdata/PeriodeOpslag.h"
#include "masterdata/TariefOpslag.h"

TfrmRsvPeriode::TfrmRsvPeriode(QWidget* owner, TChildWindowManager* manager)
    : TStamLijstForm(owner, manager, QStringLiteral("RsvPeriode"), QStringLiteral("Periodes")),
      jaar_(HuidigeDatum::Object().Jaar())
{
    MaakJaarRij();
    MaakPaneel();
    resize(480, 420);
}

void TfrmRsvPeriode::MaakJaarRij()
{
    updnJaar = new QSpinBox(this);
    updnJaar->setObjectName(QStringLiteral("updnJaar"));
    updnJaar->setRange(1980, 2080);
    updnJaar->setValue(jaar_);
    edtJaar = updnJaar->findChild<QLineEdit*>();
    edtJaar->setObjectName(QStringLiteral("edtJaar"));
    edtJaar->setMaxLength(4);
    auto* rij = new QHBoxLayout;
    rij->addWidget(new QLabel(QStringLiteral("Jaar:"), this));
    rij->addWidget(updnJaar);
    rij->addStretch(1);
    hoofd_->insertLayout(0, rij);
    // Typing follows at once: the value changes as soon as four digits make a year.
    ConnectGuarded(updnJaar, &QSpinBox::valueChanged, this, [this](int jaar) {
        if (jaar != jaar_)
            LeesJaar(jaar);
    });
}

void TfrmRsvPeriode::MaakPaneel()
{
    pnlEdit = new QWidget(this);
    pnlEdit->setObjectName(QStringLiteral("pnlEdit"));
    grpEdit = new QGroupBox(pnlEdit);
    dtpckDatum = new QDateEdit(grpEdit);
    dtpckDatum->setObjectName(QStringLiteral("dtpckDatum"));
    dtpckDatum->setCalendarPopup(true);
    dtpckDatum->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    edtOmschr = new QLineEdit(grpEdit);
    edtOmschr->setObjectName(QStringLiteral("edtOmschr"));
    edtOmschr->setMaxLength(80);
    btnOk = new QPushButton(QStringLiteral("OK"), grpEdit);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnAnnuleren = new QPushButton(QStringLiteral("Annuleren"), grpEdit);
    btnAnnuleren->setObjectName(QStringLiteral("btnAnnuleren"));
    auto* velden = new QFormLayout(grpEdit);
    velden->addRow(QStringLiteral("Begindatum:"), dtpckDatum);
    velden->addRow(QStringLiteral("Omschrijving:"), edtOmschr);
    auto* knoppen = new QHBoxLayout;
    knoppen->addStretch(1);
    knoppen->addWidget(btnOk);
    knoppen->addWidget(btnAnnuleren);
    velden->addRow(knoppen);
    auto* rand = new QVBoxLayout(pnlEdit);
    rand->setContentsMargins(0, 0, 0, 0);
    rand->addWidget(grpEdit);
    hoofd_->insertWidget(hoofd_->indexOf(delen_.pnlKnoppen), pnlEdit);
    pnlEdit->hide();
    ConnectGuarded(btnOk, &QPushButton::clicked, this, [this] { PaneelOk(); });
    connect(btnAnnuleren, &QPushButton::clicked, this, [this] { VerbergPaneel(); });
}

void TfrmRsvPeriode::LeesLijst() { LeesJaar(jaar_); }

void TfrmRsvPeriode::LeesJaar(int jaar)
{
    jaar_ = jaar;
    LeesPeriodes(jaar_, lijst_);
    dtpckDatum->setDateRange(QDate(jaar_, 1, 1), QDate(jaar_, 12, 31));
    dtpckDatum->setDate(QDate(jaar_, 1, 1));
    ToonLijst(0);
}

void TfrmRsvPeriode::ToonLijst(TDateTime focusDatum)
{
    int focusRij = 0;
    Grid()->Execute([&] {
        for (size_t i = 0; i < lijst_.size(); ++i) {
            const brlib::stPeriode& periode = lijst_[i];
            Grid()->FillNewCol(QStringLiteral("omschr"), &periode.omschr);
            Grid()->FillNewColDatum(QStringLiteral("begindat"), &periode.begin);
            Grid()->FillNewColDatum(QStringLiteral("einddat"), &periode.eind);
            Grid()->EndGroup();
            if (DateOf(periode.begin) == DateOf(focusDatum))
                focusRij = static_cast<int>(i);
        }
    });
    Grid()->FocusRij(focusRij);
    ZetKnoppen();
}

void TfrmRsvPeriode::Nieuw()
{
    edtOmschr->clear();
    ToonPaneel(QStringLiteral("Periode toevoegen"));
}

void TfrmRsvPeriode::Wijzig(int rij)
{
    dtpckDatum->setDate(ToQDate(lijst_[rij].begin));
    edtOmschr->setText(lijst_[rij].omschr);
    // The first period always begins on 1 January.
    dtpckDatum->setEnabled(rij != 0);
    Grid()->setEnabled(false);
    ToonPaneel(QStringLiteral("Periode wijzigen"));
}

void TfrmRsvPeriode::ToonPaneel(const QString& titel)
{
    grpEdit->setTitle(titel);
    delen_.pnlKnoppen->hide();
    updnJaar->setEnabled(false);
    pnlEdit->show();
    if (dtpckDatum->isEnabled())
        dtpckDatum->setFocus();
    else
        edtOmschr->setFocus();
}

void TfrmRsvPeriode::VerbergPaneel()
{
    pnlEdit->hide();
    delen_.pnlKnoppen->show();
    updnJaar->setEnabled(true);
    Grid()->setEnabled(true);
    dtpckDatum->setEnabled(true);
}

void TfrmRsvPeriode::PaneelOk()
{
    const bool wijzigen = !Grid()->isEnabled();
    const int rij = wijzigen ? Grid()->HuidigeRij() : -1;
    const TDateTime datum = FromQDate(dtpckDatum->date());
    if (const auto fout = ControleerPeriode(lijst_, rij, datum, edtOmschr->text())) {
        WarningMsg(fout->tekst, Caption());
        (fout->veld == PeriodeVeld::Omschr ? static_cast<QWidget*>(edtOmschr) : dtpckDatum)->setFocus();
        return;
    }
    if (wijzigen) {
        lijst_[rij].begin = datum;
        lijst_[rij].omschr = edtOmschr->text().trimmed();
    } else {
        brlib::stPeriode periode;
        periode.begin = datum;
        periode.omschr = edtOmschr->text().trimmed();
        lijst_.push_back(periode);
    }
    SlaOpEnToon(datum);
    VerbergPaneel();
}

void TfrmRsvPeriode::Verwijder(int rij)
{
    if (rij == 0) {
        WarningMsg(periode::kEersteNietVerwijderen, Caption());
        return;
    }
    const brlib::stPeriode& gekozen = lijst_[rij];
    const bool metTarieven = gekozen.recNr > 0 && !TarievenVanPeriode(jaar_, gekozen.recNr).empty();
    if (WarningMsg(VerwijderVraag(gekozen, metTarieven), periode::kVerwijderTitel, msg::mbYesNo) != msg::idYes)
        return;
    SlaOpEnToon(MarkeerVoorVerwijderen(lijst_, rij));
}

// A refused lock keeps the change in the list, for the next save.
void TfrmRsvPeriode::SlaOpEnToon(TDateTime focusDatum)
{
    if (!SlaPeriodesOp(jaar_, lijst_))
        return;
    LeesPeriodes(jaar_, lijst_);
    ToonLijst(focusDatum);
}

bool TfrmRsvPeriode::FormCloseQuery() { return pnlEdit->isHidden(); }
