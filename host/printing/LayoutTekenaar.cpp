#include "host/printing/LayoutTekenaar.h"

#include <algorithm>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace Printing {

namespace {

class Tekenaar {
public:
    Tekenaar(QPainter& p, QPagedPaintDevice& apparaat)
        : p_(p), apparaat_(apparaat), mm_(apparaat.logicalDpiX() / 25.4), hoogte_(apparaat.height())
    {
    }

    void Object(const std::vector<GevuldeRegel>& regels)
    {
        for (const GevuldeRegel& regel : regels)
            Regel(regel);
    }

    void NieuwePagina()
    {
        apparaat_.newPage();
        y_ = 0;
    }

private:
    void Regel(const GevuldeRegel& regel)
    {
        QFont font(QStringLiteral("DejaVu Sans"), regel.groot ? 14 : 10);
        font.setBold(regel.vet);
        p_.setFont(font);
        const double lijn = QFontMetricsF(font, &apparaat_).height();
        if (regel.soort != AfdrukRegel::Tekst) {
            Ruimte(lijn / 2);
            if (regel.soort == AfdrukRegel::Lijn) {
                p_.drawLine(QPointF(0, y_), QPointF(apparaat_.width(), y_));
                Ruimte(lijn / 2);
            }
            return;
        }
        qsizetype regels = 1;
        for (const GevuldeCel& cel : regel.cellen)
            regels = std::max(regels, cel.regels.size());
        Ruimte(lijn * static_cast<double>(regels));
        const double boven = y_ - lijn * static_cast<double>(regels);
        for (const GevuldeCel& cel : regel.cellen)
            Cel(cel, boven, lijn);
    }

    void Cel(const GevuldeCel& cel, double boven, double lijn)
    {
        const double x = cel.stop.mm * mm_;
        for (qsizetype i = 0; i < cel.regels.size(); ++i) {
            const double y = boven + lijn * static_cast<double>(i);
            const QRectF vak = cel.stop.rechts ? QRectF(0, y, x, lijn) : QRectF(x, y, apparaat_.width() - x, lijn);
            p_.drawText(vak, (cel.stop.rechts ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, cel.regels[i]);
        }
    }

    // Takes `hoogte` below the current line, on a new page when it does not fit.
    void Ruimte(double hoogte)
    {
        if (y_ > 0 && y_ + hoogte > hoogte_)
            NieuwePagina();
        y_ += hoogte;
    }

    QPainter& p_;
    QPagedPaintDevice& apparaat_;
    double mm_;
    double hoogte_;
    double y_ = 0;
};

}  // namespace

bool TekenLayouts(const std::vector<std::vector<GevuldeRegel>>& objecten, QPagedPaintDevice& apparaat)
{
    apparaat.setPageMargins(QMarginsF(20, 15, 20, 15), QPageLayout::Millimeter);
    QPainter p;
    if (!p.begin(&apparaat))
        return false;
    Tekenaar tekenaar(p, apparaat);
    for (size_t i = 0; i < objecten.size(); ++i) {
        if (i > 0)
            tekenaar.NieuwePagina();
        tekenaar.Object(objecten[i]);
    }
    return p.end();
}

}  // namespace Printing
