#include "logboek/Rsvlogboekunit.h"

#include <algorithm>

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "host/base/EBrRuntime.h"
#include "host/base/HuidigeDatum.h"
#include "host/ui/GvlLayout.h"
#include "host/ui/HandlerGuard.h"
#include "host/ui/Messages.h"
#include "host/ui/TGridView.h"

namespace {

QDateEdit* MaakDatum(QWidget* ouder, const char* naam, TDateTime datum)
{
    auto* veld = new QDateEdit(ToQDate(datum), ouder);
    veld->setObjectName(QString::fromLatin1(naam));
    veld->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    veld->setCalendarPopup(true);
    return veld;
}

QLineEdit* MaakTekst(QWidget* ouder, const char* naam, int breedte)
{
    auto* veld = new QLineEdit(ouder);
    veld->setObjectName(QString::fromLatin1(naam));
    veld->setFixedWidth(breedte);
    return veld;
}

QPushButton* MaakKnop(QWidget* ouder, const char* naam, const QString& tekst)
{
    auto* knop = new QPushButton(tekst, ouder);
    knop->setObjectName(QString::fromLatin1(naam));
    return knop;
}

}  // namespace

TfrmRsvLogboek::TfrmRsvLogboek(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvLogboek"))
{
    SetCaption(QStringLiteral("Logboek"));
    titel_ = Caption();
    MaakWidgets();
    gvLogboek->SetIniDir(GvlPath() + QStringLiteral("/Tlr"));
    gvLogboek->CheckIniFileName(IdentityName() + QStringLiteral(".gvl"));
    ConnectGuarded(btnZoeken, &QPushButton::clicked, this, [this] { btnZoekenClick(); });
    connect(edtReservering, &QLineEdit::returnPressed, btnZoeken, &QPushButton::click);
    connect(edtWerkplek, &QLineEdit::returnPressed, btnZoeken, &QPushButton::click);
    ConnectGuarded(btnExporteren, &QPushButton::clicked, this, [this] { gvLogboek->Export(); });
    connect(btnSluiten, &QPushButton::clicked, this, &QWidget::close);
    resize(1100, 520);
}

void TfrmRsvLogboek::MaakWidgets()
{
    const TDateTime vandaag = HuidigeDatum::Object().Huidige();
    dtpckVan = MaakDatum(this, "dtpckVan", vandaag - 7);
    dtpckTot = MaakDatum(this, "dtpckTot", vandaag);
    edtReservering = MaakTekst(this, "edtReservering", 90);
    edtReservering->setPlaceholderText(QStringLiteral("jj/nnnnn"));
    edtWerkplek = MaakTekst(this, "edtWerkplek", 120);
    btnZoeken = MaakKnop(this, "btnZoeken", QStringLiteral("Zoeken"));
    auto* boven = new QHBoxLayout;
    boven->addWidget(new QLabel(QStringLiteral("Van:"), this));
    boven->addWidget(dtpckVan);
    boven->addWidget(new QLabel(QStringLiteral("t/m:"), this));
    boven->addWidget(dtpckTot);
    boven->addSpacing(12);
    boven->addWidget(new QLabel(QStringLiteral("Reservering:"), this));
    boven->addWidget(edtReservering);
    boven->addWidget(new QLabel(QStringLiteral("Werkplek:"), this));
    boven->addWidget(edtWerkplek);
    boven->addWidget(btnZoeken);
    boven->addStretch(1);

    gvLogboek = new TGridView(this);
    gvLogboek->setObjectName(QStringLiteral("gvLogboek"));

    btnExporteren = MaakKnop(this, "btnExporteren", QStringLiteral("Exporteren"));
    btnSluiten = MaakKnop(this, "btnSluiten", QStringLiteral("Sluiten"));
    auto* onder = new QHBoxLayout;
    onder->addStretch(1);
    onder->addWidget(btnExporteren);
    onder->addWidget(btnSluiten);

    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(boven);
    hoofd->addWidget(gvLogboek, 1);
    hoofd->addLayout(onder);
}

void TfrmRsvLogboek::FormShow()
{
    THostedForm::FormShow();
    if (getoond_)
        return;
    getoond_ = true;
    btnZoekenClick();
}

void TfrmRsvLogboek::btnZoekenClick()
{
    const std::optional<JaarNr> reservering =
        logboek::LeesResNr(edtReservering->text(), ToQDate(FromQDate(dtpckTot->date())).year());
    if (!reservering) {
        ErrorMsg(QStringLiteral("Geef een reserveringsnummer op als jj/nnnnn."), titel_);
        return;
    }
    logboek::LogboekVraag vraag;
    vraag.van = FromQDate(dtpckVan->date());
    vraag.tot = FromQDate(dtpckTot->date());
    vraag.reservering = *reservering;
    vraag.werkplek = edtWerkplek->text().trimmed();
    regels_.clear();
    try {
        regels_ = logboek::ZoekLogboek(vraag);
        std::reverse(regels_.begin(), regels_.end());  // the latest first
    } catch (const EBrRuntime& fout) {
        ErrorMsg(fout.Message(), titel_);
    }
    VulGrid();
}

void TfrmRsvLogboek::VulGrid()
{
    gvLogboek->Execute([&] {
        for (const logboek::LogRegel& regel : regels_) {
            const QString res = regel.reservering.IsLeeg() ? QString() : regel.reservering.String(2, 5);
            gvLogboek->FillNewColDatum(QStringLiteral("tijd"), &regel.tijd);
            gvLogboek->FillNewCol(QStringLiteral("werkplek"), &regel.werkplek);
            gvLogboek->FillNewCol(QStringLiteral("gebruiker"), &regel.gebruiker);
            gvLogboek->FillNewCol(QStringLiteral("actie"), &regel.actie);
            gvLogboek->FillNewCol(QStringLiteral("reservering"), &res);
            gvLogboek->FillNewCol(QStringLiteral("sleutel"), &regel.stamSleutel);
            for (const logboek::Wijziging& w : regel.wijzigingen) {
                gvLogboek->FillNewCol(QStringLiteral("veld"), &w.veld);
                gvLogboek->FillNewCol(QStringLiteral("voor"), &w.voor);
                gvLogboek->FillNewCol(QStringLiteral("na"), &w.na);
            }
            gvLogboek->EndGroup();
        }
    });
    btnExporteren->setEnabled(!regels_.empty());
}
