#include "host/ui/TdlgDatumSelectie.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "host/ui/ModalShow.h"

TdlgDatumSelectie::TdlgDatumSelectie(QWidget* owner)
    : TForm(owner), calDatum(new QCalendarWidget(this)),
      btnOk(new QPushButton(QStringLiteral("OK"), this)),
      btnAnnuleren(new QPushButton(QStringLiteral("Annuleren"), this))
{
    calDatum->setObjectName(QStringLiteral("calDatum"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnAnnuleren->setObjectName(QStringLiteral("btnAnnuleren"));
    calDatum->setLocale(QLocale(QLocale::Dutch, QLocale::Netherlands));
    calDatum->setFirstDayOfWeek(Qt::Monday);
    calDatum->setGridVisible(true);
    btnOk->setDefault(true);

    auto* knoppen = new QDialogButtonBox(this);
    knoppen->addButton(btnOk, QDialogButtonBox::AcceptRole);
    knoppen->addButton(btnAnnuleren, QDialogButtonBox::RejectRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(calDatum);
    layout->addWidget(knoppen);

    connect(btnOk, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    connect(calDatum, &QCalendarWidget::activated, this, [this] { SetModalResult(mrOk); });
    connect(btnAnnuleren, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
}

TDateTime TdlgDatumSelectie::Datum() const { return FromQDate(calDatum->selectedDate()); }

void TdlgDatumSelectie::ZetDatum(TDateTime datum) { calDatum->setSelectedDate(ToQDate(datum)); }

bool TdlgDatumSelectie::Kies(TDateTime& datum, QWidget* owner, const QString& caption)
{
    TdlgDatumSelectie dialoog(owner);
    dialoog.SetCaption(caption);
    dialoog.ZetDatum(datum);
    if (ShowModal(dialoog) != mrOk)
        return false;
    datum = dialoog.Datum();
    return true;
}
