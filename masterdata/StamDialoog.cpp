#include "masterdata/StamDialoog.h"

#include <QHBoxLayout>
#include <QHideEvent>
#include <QPushButton>

#include "host/base/MachineSettings.h"
#include "host/ui/HandlerGuard.h"
#include "host/ui/Messages.h"

TStamDialoog::TStamDialoog(QWidget* owner, const QString& settingsNaam)
    : TForm(owner),
      btnOk(new QPushButton(QStringLiteral("OK"), this)),
      btnAnnuleren(new QPushButton(QStringLiteral("Annuleren"), this)),
      settingsNaam_(settingsNaam)
{
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);
    btnAnnuleren->setObjectName(QStringLiteral("btnAnnuleren"));
    btnAnnuleren->setAutoDefault(false);
    ConnectGuarded(btnOk, &QPushButton::clicked, this, [this] {
        if (Accepteer())
            SetModalResult(mrOk);
    });
    connect(btnAnnuleren, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
}

bool TStamDialoog::Weiger(QWidget* veld, const QString& tekst)
{
    WarningMsg(tekst, Caption());
    veld->setFocus();
    return false;
}

QHBoxLayout* TStamDialoog::MaakKnoppenRij()
{
    auto* rij = new QHBoxLayout;
    rij->addStretch(1);
    rij->addWidget(btnOk);
    rij->addWidget(btnAnnuleren);
    return rij;
}

void TStamDialoog::FormShow()
{
    MachineSettings(settingsNaam_).ReadFormPosSize(QStringLiteral("form"), *this);
}

void TStamDialoog::hideEvent(QHideEvent* event)
{
    TForm::hideEvent(event);
    if (!event->spontaneous())
        MachineSettings(settingsNaam_).WriteFormPosSize(QStringLiteral("form"), *this);
}

void TStamDialoog::reject()
{
    SetModalResult(mrCancel);
}
