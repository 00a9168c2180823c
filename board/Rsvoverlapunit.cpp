#include "board/Rsvoverlapunit.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "host/base/DatumTekst.h"
#include "host/base/HuidigeDatum.h"
#include "host/base/MachineSettings.h"
#include "host/base/TColor.h"

namespace {

const QString kIdentiteit = QStringLiteral("RsvOverlap");

QPushButton* Knop(QWidget* ouder, const char* naam, const QString& tekst)
{
    auto* knop = new QPushButton(tekst, ouder);
    knop->setObjectName(QLatin1String(naam));
    return knop;
}

}  // namespace

TfrmRsvOverlap::TfrmRsvOverlap(QWidget* owner) : TForm(owner)
{
    setObjectName(QStringLiteral("frmRsvOverlap"));
    SetCaption(QStringLiteral("Selecteer begindatum verplaatsing"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(382, 180);
    lblInfo = new QLabel(this);
    lblInfo->setObjectName(QStringLiteral("lblInfo"));
    lblInfo->setWordWrap(true);
    btnDagMin = Knop(this, "btnDagMin", QStringLiteral("<"));
    flblDatum = new QLabel(this);
    flblDatum->setObjectName(QStringLiteral("flblDatum"));
    flblDatum->setAlignment(Qt::AlignCenter);
    flblDatum->setAutoFillBackground(true);
    QPalette kleuren = flblDatum->palette();
    kleuren.setColor(QPalette::Window, QKleur(0xFFDDDD));
    flblDatum->setPalette(kleuren);
    btnDagPlus = Knop(this, "btnDagPlus", QStringLiteral(">"));
    btnOk = Knop(this, "btnOk", QStringLiteral("OK"));
    btnAnnuleren = Knop(this, "btnAnnuleren", QStringLiteral("Annuleren"));
    auto* raster = new QGridLayout(this);
    raster->addWidget(lblInfo, 0, 0, 1, 4);
    raster->addWidget(btnDagMin, 1, 0);
    raster->addWidget(flblDatum, 1, 1, 1, 2);
    raster->addWidget(btnDagPlus, 1, 3);
    raster->addWidget(btnOk, 2, 2);
    raster->addWidget(btnAnnuleren, 2, 3);
    connect(btnDagMin, &QPushButton::clicked, this, [this] {
        if (gekozen_ > eerste_)
            ZetDatum(gekozen_ - 1);
    });
    connect(btnDagPlus, &QPushButton::clicked, this, [this] {
        if (gekozen_ < laatste_)
            ZetDatum(gekozen_ + 1);
    });
    connect(btnOk, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    connect(btnAnnuleren, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
}

void TfrmRsvOverlap::Zet(int32_t bronKamer, int32_t doelKamer, TDateTime eerste, TDateTime laatste)
{
    eerste_ = eerste;
    laatste_ = laatste;
    lblInfo->setText(QStringLiteral("U kunt nu vanaf een bepaalde datum de reservering op kamer ") +
                     QString::number(bronKamer) + QStringLiteral(" verplaatsen  naar kamer ") +
                     QString::number(doelKamer) + QStringLiteral(".\nSelecteer de begindatum van deze verplaatsing."));
    const TDateTime vandaag = HuidigeDatum::Object().Huidige();
    ZetDatum(vandaag >= eerste && vandaag <= laatste ? vandaag : eerste);
}

void TfrmRsvOverlap::ZetDatum(TDateTime datum)
{
    gekozen_ = datum;
    flblDatum->setText(FormatDateTime(QStringLiteral("ddd dd-mm-yyyy"), datum));
}

void TfrmRsvOverlap::FormShow() { MachineSettings(kIdentiteit).ReadFormPosSize(QStringLiteral("form"), this); }

void TfrmRsvOverlap::FormClose(TCloseAction&)
{
    MachineSettings(kIdentiteit).WriteFormPosSize(QStringLiteral("form"), this);
}
