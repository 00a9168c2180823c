#include "host/app/TfrmWerkplekNaam.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmWerkplekNaam::TfrmWerkplekNaam(QWidget* owner)
    : TForm(owner), edtNaam(new QLineEdit(this)), btnOk(new QPushButton(QStringLiteral("OK"), this)),
      btnAnnuleren(new QPushButton(QStringLiteral("Annuleren"), this))
{
    SetCaption(QStringLiteral("Naam van deze werkplek"));
    edtNaam->setObjectName(QStringLiteral("edtNaam"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnAnnuleren->setObjectName(QStringLiteral("btnAnnuleren"));
    edtNaam->setMaxLength(40);
    btnOk->setDefault(true);

    auto* uitleg = new QLabel(QStringLiteral("Geef deze werkplek een naam; die wordt op deze computer bewaard."), this);
    uitleg->setWordWrap(true);
    auto* velden = new QFormLayout;
    velden->addRow(QStringLiteral("Werkplek:"), edtNaam);
    auto* knoppen = new QDialogButtonBox(this);
    knoppen->addButton(btnOk, QDialogButtonBox::AcceptRole);
    knoppen->addButton(btnAnnuleren, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(uitleg);
    layout->addLayout(velden);
    layout->addWidget(knoppen);

    connect(btnOk, &QPushButton::clicked, this, [this] {
        if (!Naam().isEmpty())
            SetModalResult(mrOk);
    });
    connect(btnAnnuleren, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
}

QString TfrmWerkplekNaam::Naam() const { return edtNaam->text().trimmed(); }

void TfrmWerkplekNaam::ZetNaam(const QString& naam) { edtNaam->setText(naam); }
