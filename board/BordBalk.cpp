#include "board/BordBalk.h"

namespace bord {

namespace {

// From exclusive right and bottom edges, as the cell arithmetic reads.
QRect Rechthoek(int links, int boven, int rechts, int onder)
{
    return QRect(links, boven, rechts - links, onder - boven);
}

void Lijn(QPainter& p, int x1, int y1, int x2, int y2)
{
    p.drawLine(x1, y1, x2, y2);
}

}  // namespace

QRect DeelRect(const QRect& cel, BalkDeel deel)
{
    const int links = cel.left();
    const int rechts = cel.left() + cel.width();
    const int midden = links + cel.width() / 2;
    const int boven = cel.top();
    const int onder = cel.top() + cel.height();
    switch (deel) {
    case BalkDeel::Aankomst:
        return Rechthoek(midden + 1, boven + 1, rechts, onder - 1);
    case BalkDeel::Vertrek:
        return Rechthoek(links, boven + 1, midden - 1, onder - 1);
    case BalkDeel::Heel:
        break;
    }
    return Rechthoek(links, boven + 2, rechts, onder - 2);
}

QString BalkTitel(const BordToestand& toestand, const brlib::stRes& item)
{
    if (item.nieuw)
        return QStringLiteral(" [NIEUW]");
    const brlib::stExtraRes* extra = toestand.ExtraVan(item.resSleutel);
    if (!extra)
        return QStringLiteral(" ");
    const QString naam = extra->regels.isEmpty() ? QString() : extra->regels.first().trimmed();
    for (const brlib::stVoorReg& voorReg : extra->voorRegs)
        if (voorReg.kamerNr == item.kamerNr && !voorReg.regels.isEmpty() && !voorReg.regels.first().isEmpty())
            return QLatin1Char(' ') + voorReg.regels.first() + QStringLiteral(" (") + naam + QLatin1Char(')');
    return QLatin1Char(' ') + naam;
}

void TekenGroepsRand(QPainter& p, const QRect& deel, BalkDeel soort, const QColor& kleur)
{
    p.setPen(QPen(kleur, 1));
    for (int in = 0; in < 2; ++in) {
        const int l = deel.left() + in;
        const int r = deel.right() - in;
        const int t = deel.top() + in;
        const int b = deel.bottom() - in;
        Lijn(p, deel.left(), t, deel.right(), t);
        Lijn(p, deel.left(), b, deel.right(), b);
        if (soort == BalkDeel::Aankomst)
            Lijn(p, l, t, l, b);
        if (soort == BalkDeel::Vertrek)
            Lijn(p, r, t, r, b);
    }
}

TitelDeel PlaatsTitel(const QRect& cel, BalkDeel deel, const TitelPlek& plek, int rijHoogte)
{
    const int breedte = cel.width();
    const int begin = cel.left() - (plek.kolom - plek.eersteKolom) * breedte + (plek.aankomst ? breedte / 2 : 0);
    QRect klem = cel;
    if (deel == BalkDeel::Vertrek)
        klem.setRight(cel.right() - (breedte / 2 + 2));
    return {QPoint(begin, cel.top() + std::max(0, (rijHoogte - 16) / 2)), klem};
}

void TekenTitel(QPainter& p, const TitelDeel& deel, const QStaticText& titel)
{
    // Saving the whole painter per caption is the dearest step of a full paint; only a caller's clip needs it.
    const bool eigenKlem = p.hasClipping();
    if (eigenKlem)
        p.save();
    p.setClipRect(deel.klem, eigenKlem ? Qt::IntersectClip : Qt::ReplaceClip);
    p.drawStaticText(deel.begin, titel);
    if (eigenKlem)
        p.restore();
    else
        p.setClipping(false);
}

}  // namespace bord
