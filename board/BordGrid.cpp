#include "board/BordGrid.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "board/BordTekenaar.h"
#include "host/base/HuidigeDatum.h"

BordGrid::BordGrid(QWidget* ouder, const bord::BordToestand& toestand, bord::BordGeometrie& geometrie,
                   const bord::KleurTabel& kleuren)
    : QWidget(ouder), toestand_(toestand), geometrie_(geometrie), kleuren_(kleuren)
{
    setObjectName(QStringLiteral("dgGrid"));
    setMouseTracking(true);
    // Every pixel is painted from the cells; Qt need not clear them first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(bord::BordGeometrie::kKolomBreedte * 4, bord::BordGeometrie::kKopHoogte);
}

void BordGrid::PasKolommen()
{
    geometrie_.ZetClientGrootte(width(), height());
    geometrie_.PasDagKolommen();
}

void BordGrid::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    // Below the last row and right of the last column lies the board's empty area.
    p.fillRect(event->rect(), palette().color(QPalette::Window));
    const bord::BordTekenaar tekenaar(toestand_, geometrie_, kleuren_, HuidigeDatum::Object().Huidige());
    tekenaar.TekenGrid(p, event->rect());
}

void BordGrid::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PasKolommen();
    emit Vergroot();
}

void BordGrid::mouseMoveEvent(QMouseEvent* event)
{
    emit MuisBeweegt(event->position().toPoint());
}

void BordGrid::mousePressEvent(QMouseEvent* event)
{
    emit MuisNeer(event->position().toPoint(), event->button());
}

void BordGrid::mouseReleaseEvent(QMouseEvent* event)
{
    emit MuisOp(event->position().toPoint(), event->button());
}
