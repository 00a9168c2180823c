#include "logboek/Rsvaankvertrekunit.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "host/base/DatumTekst.h"
#include "host/base/EBrRuntime.h"
#include "host/base/HuidigeDatum.h"
#include "host/ui/GvlLayout.h"
#include "host/ui/HandlerGuard.h"
#include "host/ui/Messages.h"
#include "host/ui/TGridView.h"

TfrmRsvAankVertrek::TfrmRsvAankVertrek(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvAankVertrek"))
{
    SetCaption(QStringLiteral("Aankomsten en vertrekken"));
    titel_ = Caption();
    MaakWidgets();
    gvLijst->SetIniDir(GvlPath() + QStringLiteral("/Tlr"));
    gvLijst->CheckIniFileName(IdentityName() + QStringLiteral(".gvl"));
    ConnectGuarded(dtpckDatum, &QDateEdit::dateChanged, this, [this](QDate) { Verversen(); });
    ConnectGuarded(gvLijst, &TGridView::OnDblClick, this, [this](int rij) { gvLijstDblClick(rij); });
    ConnectGuarded(btnAfdrukken, &QPushButton::clicked, this, [this] { gvLijst->Print(); });
    connect(btnSluiten, &QPushButton::clicked, this, &QWidget::close);
    resize(760, 480);
}

void TfrmRsvAankVertrek::MaakWidgets()
{
    dtpckDatum = new QDateEdit(ToQDate(HuidigeDatum::Object().Huidige()), this);
    dtpckDatum->setObjectName(QStringLiteral("dtpckDatum"));
    dtpckDatum->setLocale(QLocale(QLocale::Dutch, QLocale::Netherlands));
    dtpckDatum->setDisplayFormat(QStringLiteral("dddd dd-MM-yyyy"));
    dtpckDatum->setCalendarPopup(true);
    auto* boven = new QHBoxLayout;
    boven->addWidget(new QLabel(QStringLiteral("Datum:"), this));
    boven->addWidget(dtpckDatum);
    boven->addStretch(1);

    gvLijst = new TGridView(this);
    gvLijst->setObjectName(QStringLiteral("gvLijst"));

    btnAfdrukken = new QPushButton(QStringLiteral("Afdrukken"), this);
    btnAfdrukken->setObjectName(QStringLiteral("btnAfdrukken"));
    btnSluiten = new QPushButton(QStringLiteral("Sluiten"), this);
    btnSluiten->setObjectName(QStringLiteral("btnSluiten"));
    auto* onder = new QHBoxLayout;
    onder->addStretch(1);
    onder->addWidget(btnAfdrukken);
    onder->addWidget(btnSluiten);

    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(boven);
    hoofd->addWidget(gvLijst, 1);
    hoofd->addLayout(onder);
}

void TfrmRsvAankVertrek::FormShow()
{
    THostedForm::FormShow();
    Verversen();
}

void TfrmRsvAankVertrek::Verversen()
{
    const TDateTime dag = FromQDate(dtpckDatum->date());
    rijen_.clear();
    try {
        rijen_ = logboek::AankomstenEnVertrekken(dag);
    } catch (const EBrRuntime& fout) {
        ErrorMsg(fout.Message(), titel_);
    }
    gvLijst->PrintZetKopRegels(titel_, FormatDateTime(QStringLiteral("dddd d mmmm yyyy"), dag));
    VulGrid();
}

void TfrmRsvAankVertrek::VulGrid()
{
    gvLijst->Execute([&] {
        for (const logboek::AankomstVertrekRij& rij : rijen_) {
            const QString soort = rij.vertrek ? QStringLiteral("Vertrek") : QStringLiteral("Aankomst");
            const QString boekNr = rij.reservering.String(2, 5);
            gvLijst->FillNewCol(QStringLiteral("soort"), &soort);
            gvLijst->FillNewCol(QStringLiteral("kamernr"), &rij.kamerNr);
            gvLijst->FillNewCol(QStringLiteral("boeknr"), &boekNr);
            gvLijst->FillNewCol(QStringLiteral("gast"), &rij.gast);
            gvLijst->FillNewCol(QStringLiteral("personen"), &rij.personen);
            gvLijst->FillNewCol(QStringLiteral("status"), &rij.status);
            if (rij.open)
                gvLijst->FillNewCol(QStringLiteral("open"), &*rij.open);
            gvLijst->EndGroup();
        }
    });
    btnAfdrukken->setEnabled(!rijen_.empty());
}

void TfrmRsvAankVertrek::gvLijstDblClick(int rij)
{
    if (!vensters_ || rij < 0 || rij >= static_cast<int>(rijen_.size()))
        return;
    vensters_->ReserveringsGegevens(this, rijen_[rij].reservering, !IsHosted());
    Verversen();
}
