#include "reservation/ResGegWidgets.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

QPushButton* NieuweKnop(QWidget* ouder, const QString& naam, const QString& tekst)
{
    auto* knop = new QPushButton(tekst, ouder);
    knop->setObjectName(naam);
    knop->setAutoDefault(false);
    return knop;
}

QLabel* NieuwWaardeLabel(QWidget* ouder, const QString& naam, Qt::Alignment uitlijning)
{
    auto* label = new QLabel(ouder);
    label->setObjectName(naam);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(uitlijning | Qt::AlignVCenter);
    label->setMinimumWidth(110);
    return label;
}

QWidget* NieuwPaneel(QWidget* ouder, const QString& naam, QBoxLayout*& layout, bool verticaal)
{
    auto* paneel = new QWidget(ouder);
    paneel->setObjectName(naam);
    layout = new QBoxLayout(verticaal ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, paneel);
    layout->setContentsMargins(0, 0, 0, 0);
    return paneel;
}
