#include "reservation/UpDown.h"

#include <algorithm>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton* Pijl(QWidget* ouder, Qt::ArrowType richting)
{
    auto* knop = new QToolButton(ouder);
    knop->setArrowType(richting);
    knop->setAutoRepeat(true);
    knop->setFixedSize(16, 11);
    knop->setFocusPolicy(Qt::NoFocus);
    return knop;
}
}  // namespace

TUpDown::TUpDown(QWidget* ouder, QLineEdit* veld, int min, int max)
    : QWidget(ouder), veld_(veld), min_(min), max_(max), positie_(min)
{
    auto* kolom = new QVBoxLayout(this);
    kolom->setContentsMargins(0, 0, 0, 0);
    kolom->setSpacing(0);
    QToolButton* op = Pijl(this, Qt::UpArrow);
    QToolButton* neer = Pijl(this, Qt::DownArrow);
    kolom->addWidget(op);
    kolom->addWidget(neer);
    connect(op, &QToolButton::clicked, this, [this] { Stap(1); });
    connect(neer, &QToolButton::clicked, this, [this] { Stap(-1); });
}

void TUpDown::ZetPositie(int positie)
{
    positie_ = std::clamp(positie, min_, max_);
    veld_->setText(QString::number(positie_));
}

void TUpDown::Stap(int stap)
{
    // The field may hold a typed year that was not taken over yet.
    bool getal = false;
    const int getypt = veld_->text().toInt(&getal);
    ZetPositie((getal ? getypt : positie_) + stap);
    emit Gewijzigd(positie_);
}
