#include "host/ui/TfrmJaarNr.h"

#include <limits>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "host/ui/Messages.h"

TfrmJaarNr::TfrmJaarNr(QWidget* owner)
    : TForm(owner), spnJaar(new QSpinBox(this)), spnNr(new QSpinBox(this)),
      btnOk(new QPushButton(QStringLiteral("OK"), this)),
      btnAnnuleren(new QPushButton(QStringLiteral("Annuleren"), this))
{
    spnJaar->setObjectName(QStringLiteral("spnJaar"));
    spnNr->setObjectName(QStringLiteral("spnNr"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnAnnuleren->setObjectName(QStringLiteral("btnAnnuleren"));
    spnJaar->setRange(1900, 2100);
    spnNr->setRange(1, std::numeric_limits<int>::max());
    btnOk->setDefault(true);

    auto* velden = new QFormLayout;
    velden->addRow(QStringLiteral("Jaar:"), spnJaar);
    velden->addRow(QStringLiteral("Nummer:"), spnNr);
    auto* knoppen = new QDialogButtonBox(this);
    knoppen->addButton(btnOk, QDialogButtonBox::AcceptRole);
    knoppen->addButton(btnAnnuleren, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(velden);
    layout->addWidget(knoppen);

    connect(spnJaar, &QSpinBox::valueChanged, this, &TfrmJaarNr::JaarGewijzigd);
    connect(btnOk, &QPushButton::clicked, this, &TfrmJaarNr::btnOkClick);
    connect(btnAnnuleren, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
}

JaarNr TfrmJaarNr::Waarde() const { return JaarNr(spnJaar->value(), spnNr->value()); }

void TfrmJaarNr::ZetWaarde(const JaarNr& waarde)
{
    spnJaar->setValue(waarde.jaar);
    spnNr->setValue(qMax(1, waarde.nr));
}

void TfrmJaarNr::ZetMaxAantal(int maxAantal)
{
    maxAantal_ = maxAantal;
    spnNr->setMaximum(maxAantal > 0 ? maxAantal : std::numeric_limits<int>::max());
}

void TfrmJaarNr::btnOkClick()
{
    if (maxAantal_ == 0) {
        ErrorMsg(QStringLiteral("Er zijn geen nummers in ") + QString::number(spnJaar->value()) + QStringLiteral("."),
                 Caption());
        spnJaar->setFocus();
        return;
    }
    SetModalResult(mrOk);
}
