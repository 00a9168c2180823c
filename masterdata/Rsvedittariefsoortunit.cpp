#include "masterdata/Rsvedittariefsoortunit.h"

#include <algorithm>

#include <QFormLayout>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRadioButton>
#include <QVBoxLayout>

#include "masterdata/StamWidgets.h"
#include "masterdata/TariefSoortOpslag.h"

TfrmRsvEditTariefSoort::TfrmRsvEditTariefSoort(QWidget* owner, const brlib::stTariefSoort& soort)
    : TStamDialoog(owner, QStringLiteral("RvsEditTariefSoort")), soort_(soort)
{
    SetCaption(soort.recNr == 0 ? QStringLiteral("Nieuw tariefsoort") : QStringLiteral("Wijzigen tariefsoort"));
    MaakControls();
    ToonSoort();
}

void TfrmRsvEditTariefSoort::MaakControls()
{
    edtCode = new QLineEdit(this);
    edtCode->setObjectName(QStringLiteral("edtCode"));
    edtCode->setMaxLength(20);
    edtOmschr = new QLineEdit(this);
    edtOmschr->setObjectName(QStringLiteral("edtOmschr"));
    edtOmschr->setMaxLength(80);
    rdbtnDagen = new QRadioButton(QStringLiteral("Aantal dagen:"), this);
    rdbtnDagen->setObjectName(QStringLiteral("rdbtnDagen"));
    edtDagen = MaakGetalVeld(this, QStringLiteral("edtDagen"), 6);
    rdbtnWeekDagen = new QRadioButton(QStringLiteral("Dagen v/d week"), this);
    rdbtnWeekDagen->setObjectName(QStringLiteral("rdbtnWeekDagen"));
    chklstWeekDagen = new QListWidget(this);
    chklstWeekDagen->setObjectName(QStringLiteral("chklstWeekDagen"));
    const QLocale locale = QLocale::system();
    for (int dag : {7, 1, 2, 3, 4, 5, 6}) {  // Qt counts Monday = 1; the list starts on Sunday
        auto* item = new QListWidgetItem(locale.dayName(dag, QLocale::ShortFormat), chklstWeekDagen);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    auto* velden = new QFormLayout;
    velden->addRow(QStringLiteral("Code:"), edtCode);
    velden->addRow(QStringLiteral("Omschrijving:"), edtOmschr);
    auto* soort = new QGridLayout;
    soort->addWidget(rdbtnDagen, 0, 0);
    soort->addWidget(edtDagen, 0, 1);
    soort->addWidget(rdbtnWeekDagen, 1, 0, Qt::AlignTop);
    soort->addWidget(chklstWeekDagen, 1, 1);
    auto* hoofd = new QVBoxLayout(this);
    hoofd->addLayout(velden);
    hoofd->addLayout(soort);
    hoofd->addLayout(MaakKnoppenRij());

    connect(rdbtnDagen, &QRadioButton::clicked, this, [this] {
        ZetVorm(false);
        edtDagen->setFocus();
    });
    connect(rdbtnWeekDagen, &QRadioButton::clicked, this, [this] {
        ZetVorm(true);
        chklstWeekDagen->setFocus();
    });
}

void TfrmRsvEditTariefSoort::ToonSoort()
{
    edtCode->setText(soort_.code);
    edtOmschr->setText(soort_.omschr);
    // A new rate type (no days, no weekdays) opens in the days form.
    const bool weekDagen = soort_.IsWeekDag() &&
                           std::any_of(soort_.weekDagen.begin(), soort_.weekDagen.end(), [](bool dag) { return dag; });
    if (weekDagen) {
        for (int i = 0; i < 7; ++i)
            chklstWeekDagen->item(i)->setCheckState(soort_.weekDagen[i] ? Qt::Checked : Qt::Unchecked);
    } else {
        edtDagen->setText(soort_.aantalDagen > 0 ? QString::number(soort_.aantalDagen) : QString());
    }
    ZetVorm(weekDagen);
}

void TfrmRsvEditTariefSoort::ZetVorm(bool weekDagen)
{
    rdbtnWeekDagen->setChecked(weekDagen);
    rdbtnDagen->setChecked(!weekDagen);
    chklstWeekDagen->setEnabled(weekDagen);
    edtDagen->setEnabled(!weekDagen);
}

std::array<bool, 7> TfrmRsvEditTariefSoort::AangevinkteDagen() const
{
    std::array<bool, 7> dagen{};
    for (int i = 0; i < 7; ++i)
        dagen[i] = chklstWeekDagen->item(i)->checkState() == Qt::Checked;
    return dagen;
}

bool TfrmRsvEditTariefSoort::Accepteer()
{
    const bool weekDagVorm = rdbtnWeekDagen->isChecked();
    const std::array<bool, 7> dagen = AangevinkteDagen();
    if (const auto fout = ControleerTariefSoort(edtCode->text(), weekDagVorm, GetalWaarde(*edtDagen), dagen)) {
        QWidget* veld = fout->veld == TariefSoortVeld::Code    ? static_cast<QWidget*>(edtCode)
                        : fout->veld == TariefSoortVeld::Dagen ? static_cast<QWidget*>(edtDagen)
                                                               : static_cast<QWidget*>(chklstWeekDagen);
        return Weiger(veld, fout->tekst);
    }
    soort_.code = edtCode->text().trimmed();
    soort_.omschr = edtOmschr->text().trimmed();
    soort_.aantalDagen = weekDagVorm ? 0 : GetalWaarde(*edtDagen);
    soort_.weekDagen = dagen;
    return true;
}
