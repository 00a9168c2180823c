#include "host/ui/GridPrint.h"

#include <functional>

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include "host/ui/TGridView.h"

namespace {

struct PaginaOpmaak {
    QRectF pagina;
    std::vector<int> kolommen;
    std::vector<double> links;  // x of each column, plus the right edge
    double rijHoogte = 0;
};

PaginaOpmaak Opmaak(const TGridView& grid, QPainter& p, const QRectF& pagina)
{
    PaginaOpmaak o{pagina, grid.ZichtbareKolommen(), {}, 0};
    double totaal = 0;
    for (int k : o.kolommen)
        totaal += grid.columnWidth(k);
    const double schaal = totaal > 0 ? pagina.width() / totaal : 1;
    double x = pagina.left();
    for (int k : o.kolommen) {
        o.links.push_back(x);
        x += grid.columnWidth(k) * schaal;
    }
    o.links.push_back(x);
    o.rijHoogte = QFontMetricsF(p.font()).height() * 1.4;
    return o;
}

void Regel(QPainter& p, const PaginaOpmaak& o, double y, const std::function<QString(int)>& tekst,
           const std::function<Qt::Alignment(int)>& uitlijning)
{
    for (size_t i = 0; i < o.kolommen.size(); ++i) {
        const QRectF cel(o.links[i] + 2, y, o.links[i + 1] - o.links[i] - 4, o.rijHoogte);
        p.drawText(cel, uitlijning(o.kolommen[i]) | Qt::AlignVCenter | Qt::TextSingleLine,
                   tekst(o.kolommen[i]));
    }
}

Qt::Alignment CelUitlijning(const TGridView& grid, int kolom, int rij)
{
    const QVariant a = grid.model()->data(grid.model()->index(rij, kolom), Qt::TextAlignmentRole);
    return Qt::Alignment(a.toInt()) & Qt::AlignHorizontal_Mask;
}

double Kop(const TGridView& grid, QPainter& p, const PaginaOpmaak& o, int pagina)
{
    double y = o.pagina.top();
    QFont vet = p.font();
    vet.setBold(true);
    p.save();
    p.setFont(vet);
    for (const QString& regel : grid.KopRegels()) {
        p.drawText(QRectF(o.pagina.left(), y, o.pagina.width(), o.rijHoogte), Qt::AlignLeft, regel);
        y += o.rijHoogte;
    }
    y += o.rijHoogte / 2;
    // A caption stands above its values: right-aligned over a column of numbers.
    Regel(p, o, y, [&](int k) { return grid.KolomTitel(k); },
          [&](int k) { return grid.RijAantal() > 0 ? CelUitlijning(grid, k, 0) : Qt::Alignment(Qt::AlignLeft); });
    p.restore();
    y += o.rijHoogte;
    p.drawLine(QPointF(o.pagina.left(), y), QPointF(o.pagina.right(), y));
    p.drawText(QRectF(o.pagina.left(), o.pagina.bottom() - o.rijHoogte, o.pagina.width(), o.rijHoogte),
               Qt::AlignRight, QStringLiteral("Pagina %1").arg(pagina));
    return y;
}

}  // namespace

bool PrintGrid(const TGridView& grid, QPrinter& printer)
{
    QPainter p;
    if (!p.begin(&printer))
        return false;
    // The painter's origin is the top left of the printable area.
    const QSize papier = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    const PaginaOpmaak o = Opmaak(grid, p, QRectF(QPointF(0, 0), papier));
    int pagina = 1;
    double y = Kop(grid, p, o, pagina);
    const double onder = o.pagina.bottom() - 2 * o.rijHoogte;
    for (int rij = 0; rij < grid.RijAantal(); ++rij) {
        if (y + o.rijHoogte > onder) {
            printer.newPage();
            y = Kop(grid, p, o, ++pagina);
        }
        Regel(p, o, y, [&](int k) { return grid.GetCells(k, rij); },
              [&](int k) { return CelUitlijning(grid, k, rij); });
        y += o.rijHoogte;
    }
    return p.end();
}
