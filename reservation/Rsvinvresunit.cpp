#include "reservation/Rsvinvresunit.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>

#include "host/base/EBrRuntime.h"
#include "host/base/HuidigeDatum.h"
#include "host/brlib/Inlezen.h"
#include "host/ui/GvlLayout.h"
#include "host/ui/Messages.h"
#include "host/ui/TGridView.h"
#include "reservation/KamerKeuze.h"

TfrmRsvInvRes::TfrmRsvInvRes(QWidget* owner, TChildWindowManager* manager)
    : THostedForm(owner, manager, QStringLiteral("RsvInvRes"))
{
    SetCaption(QStringLiteral("Nieuwe reservering"));
    titel_ = Caption();
    MaakWidgets();
    gvGrid->SetIniDir(GvlPath() + QStringLiteral("/Tlr"));
    gvGrid->CheckIniFileName(IdentityName() + QStringLiteral(".gvl"));
    connect(cmbxKamerType, &QComboBox::currentIndexChanged, this, &TfrmRsvInvRes::cmbxKamerTypeChange);
    connect(btnAnnuleren, &QPushButton::clicked, this, &QWidget::close);
}

void TfrmRsvInvRes::FormShow()
{
    THostedForm::FormShow();
    if (geladen_)
        return;
    if (!Laad()) {
        // Closing inside the show would cut it short.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    VulGrid();
    geladen_ = true;
}

bool TfrmRsvInvRes::Laad()
{
    try {
        brlib::InlezenKamers(kamers_);
        if (kamers_.empty()) {
            ErrorMsg(QStringLiteral("Nog geen kamers gedefinieerd!"), titel_);
            return false;
        }
        brlib::InlezenKamerTypes(types_);
        if (types_.empty()) {
            ErrorMsg(QStringLiteral("Nog geen kamertypes gedefinieerd!"), titel_);
            return false;
        }
    } catch (const EBrRuntime& fout) {
        ErrorMsg(fout.Message(), titel_);
        return false;
    }
    {
        const QSignalBlocker stil(cmbxKamerType);
        cmbxKamerType->clear();
        cmbxKamerType->addItem(QStringLiteral("(ALLE)"));
        for (const brlib::stKamerType& type : types_)
            cmbxKamerType->addItem(type.code);
        cmbxKamerType->setCurrentIndex(0);
    }
    cmbxKamerTypeChange();
    const QDate vandaag = ToQDate(HuidigeDatum::Object().Huidige());
    dtpckBegin->setDate(vandaag);
    dtpckEind->setDate(vandaag);
    return true;
}

void TfrmRsvInvRes::cmbxKamerTypeChange()
{
    flblTypeOmschr->clear();
    const int i = cmbxKamerType->currentIndex();
    if (i < 0 || i > int(types_.size()))
        return;
    if (i > 0)
        flblTypeOmschr->setText(types_[i - 1].omschr);
    if (geladen_)
        VulGrid();
}

void TfrmRsvInvRes::VulGrid()
{
    const int32_t filter = invres::TypeFilter(types_, cmbxKamerType->currentIndex());
    gvGrid->Execute([&] {
        for (const brlib::stKamer* kamer : invres::KamersVanType(kamers_, filter)) {
            const QString type = invres::KamerTypeTekst(*kamer);
            gvGrid->FillNewCol(QStringLiteral("nr"), &kamer->kamerNr);
            gvGrid->FillNewCol(QStringLiteral("omschr"), &kamer->omschr);
            gvGrid->FillNewCol(QStringLiteral("kamertype"), &type);
            gvGrid->EndGroup();
        }
    });
}
