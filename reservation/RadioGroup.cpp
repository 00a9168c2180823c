#include "reservation/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

TRadioGroup::TRadioGroup(const QString& naam, const QString& titel, const QStringList& items, QWidget* parent)
    : QGroupBox(titel, parent), groep_(new QButtonGroup(this))
{
    setObjectName(naam);
    auto* kolom = new QVBoxLayout(this);
    kolom->setSpacing(2);
    for (qsizetype i = 0; i < items.size(); ++i) {
        auto* knop = new QRadioButton(items[i], this);
        groep_->addButton(knop, static_cast<int>(i));
        kolom->addWidget(knop);
    }
    kolom->addStretch(1);
}

int TRadioGroup::ItemIndex() const { return groep_->checkedId(); }

void TRadioGroup::SetItemIndex(int index)
{
    if (QAbstractButton* knop = groep_->button(index)) {
        knop->setChecked(true);
        return;
    }
    // An exclusive group never unchecks its last checked button by itself.
    groep_->setExclusive(false);
    for (QAbstractButton* knop : groep_->buttons())
        knop->setChecked(false);
    groep_->setExclusive(true);
}

int TRadioGroup::ItemAantal() const { return static_cast<int>(groep_->buttons().size()); }

QRadioButton* TRadioGroup::Item(int index) const { return qobject_cast<QRadioButton*>(groep_->button(index)); }
