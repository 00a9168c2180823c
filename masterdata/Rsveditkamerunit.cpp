#include "masterdata/Rsveditkamerunit.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "host/base/HuidigeDatum.h"
#include "host/brlib/Inlezen.h"
#include "host/ui/Messages.h"
#include "masterdata/KamerOpslag.h"
#include "masterdata/StamWidgets.h"

TfrmRsvEditKamer::TfrmRsvEditKamer(QWidget* owner, const brlib::stKamer& kamer, std::vector<int32_t> andereNrs)
    : TStamDialoog(owner, QStringLiteral("RvsEditKamer")), kamer_(kamer), andereNrs_(std::move(andereNrs))
{
    SetCaption(kamer.kamerNr == 0 ? QStringLiteral("Nieuwe kamer") : QStringLiteral("Wijzigen kamer"));
    MaakControls();
    ToonKamer();
    ToonTypes();
    resize(420, sizeHint().height());
}

void TfrmRsvEditKamer::MaakControls()
{
    edtKamerNr = MaakGetalVeld(this, QStringLiteral("edtKamerNr"), 9);
    edtOmschr = new QLineEdit(this);
    edtOmschr->setObjectName(QStringLiteral("edtOmschr"));
    edtOmschr->setMaxLength(80);
    cmbxKamerType = new QComboBox(this);
    cmbxKamerType->setObjectName(QStringLiteral("cmbxKamerType"));
    flblTypeOmschr = new QLabel(this);
    flblTypeOmschr->setObjectName(QStringLiteral("flblTypeOmschr"));
    cmbxPersonen = new QComboBox(this);
    cmbxPersonen->setObjectName(QStringLiteral("cmbxPersonen"));
    chkbxBeginDat = new QCheckBox(QStringLiteral("Kamer beschikbaar vanaf:"), this);
    chkbxBeginDat->setObjectName(QStringLiteral("chkbxBeginDat"));
    dtpckBeginDat = new QDateEdit(this);
    dtpckBeginDat->setObjectName(QStringLiteral("dtpckBeginDat"));
    dtpckBeginDat->setCalendarPopup(true);
    dtpckBeginDat->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));

    auto* velden = new QFormLayout;
    velden->addRow(QStringLiteral("Kamernr.:"), edtKamerNr);
    velden->addRow(QStringLiteral("Omschrijving:"), edtOmschr);
    velden->addRow(QStringLiteral("Kamertype:"), cmbxKamerType);
    velden->addRow(QString(), flblTypeOmschr);
    velden->addRow(QStringLiteral("Max.personen:"), cmbxPersonen);
    velden->addRow(chkbxBeginDat, dtpckBeginDat);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(velden);
    hoofd->addStretch(1);
    hoofd->addLayout(MaakKnoppenRij());

    connect(chkbxBeginDat, &QCheckBox::toggled, dtpckBeginDat, &QWidget::setEnabled);
    connect(cmbxKamerType, &QComboBox::currentIndexChanged, this, &TfrmRsvEditKamer::TypeGekozen);
}

void TfrmRsvEditKamer::ToonKamer()
{
    const int32_t nr = VoorgesteldKamerNr(kamer_.kamerNr, andereNrs_);
    edtKamerNr->setText(nr != 0 ? QString::number(nr) : QString());
    edtOmschr->setText(kamer_.omschr);
    cmbxPersonen->addItem(QString());
    for (int i = 1; i <= 15; ++i)
        cmbxPersonen->addItem(QString::number(i));
    if (kamer_.maxPersonen >= 0 && kamer_.maxPersonen < 16)
        cmbxPersonen->setCurrentIndex(kamer_.maxPersonen);
    const bool metDatum = kamer_.beschikbaarVanaf != 0;
    chkbxBeginDat->setChecked(metDatum);
    dtpckBeginDat->setDate(ToQDate(metDatum ? kamer_.beschikbaarVanaf : HuidigeDatum::Object().Huidige()));
    dtpckBeginDat->setEnabled(metDatum);
}

void TfrmRsvEditKamer::ToonTypes()
{
    brlib::InlezenKamerTypes(types_);
    for (const brlib::stKamerType& type : types_)
        cmbxKamerType->addItem(type.code);
    auto eigen = std::find_if(types_.begin(), types_.end(),
                              [&](const brlib::stKamerType& type) { return type.recNr == kamer_.kamerType.recNr; });
    cmbxKamerType->setCurrentIndex(eigen != types_.end() ? static_cast<int>(eigen - types_.begin()) : -1);
}

void TfrmRsvEditKamer::FormShow()
{
    TStamDialoog::FormShow();
    if (types_.empty() && !gewaarschuwd_) {
        gewaarschuwd_ = true;
        ErrorMsg(kamer::kGeenTypes, Caption());
    }
}

void TfrmRsvEditKamer::TypeGekozen(int index)
{
    flblTypeOmschr->setText(index >= 0 && index < static_cast<int>(types_.size()) ? types_[index].omschr : QString());
}

bool TfrmRsvEditKamer::Accepteer()
{
    const int index = cmbxKamerType->currentIndex();
    const bool typeGekozen = index >= 0 && index < static_cast<int>(types_.size());
    const int32_t nr = GetalWaarde(*edtKamerNr);
    if (const auto fout = ControleerKamer(nr, andereNrs_, typeGekozen ? types_[index].recNr : 0)) {
        QWidget* veld = fout->veld == KamerVeld::KamerNr ? static_cast<QWidget*>(edtKamerNr) : cmbxKamerType;
        return Weiger(veld, fout->tekst);
    }
    kamer_.kamerNr = nr;
    kamer_.omschr = edtOmschr->text().trimmed();
    kamer_.kamerType = types_[index];
    kamer_.maxPersonen = cmbxPersonen->currentIndex();
    // Unchecking the box makes the room bookable always again.
    kamer_.beschikbaarVanaf = chkbxBeginDat->isChecked() ? FromQDate(dtpckBeginDat->date()) : 0;
    return true;
}
