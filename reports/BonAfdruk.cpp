#include "reports/BonAfdruk.h"

namespace rapport {

namespace {

const QString kKamerKop = QStringLiteral("Kamernr.");

// printf's "%-w.ws": cut to `breedte`, padded on the right.
QString Links(const QString& tekst, int breedte) { return tekst.left(breedte).leftJustified(breedte); }
// printf's "%w.ws": cut to `breedte`, padded on the left.
QString Rechts(const QString& tekst, int breedte) { return tekst.left(breedte).rightJustified(breedte); }
// printf's "%-wd": never cut.
QString Getal(int getal, int breedte) { return QString::number(getal).leftJustified(breedte); }

QString X(bool gezet) { return gezet ? QStringLiteral("X") : QString(); }
QString Aantal(int aantal) { return aantal == 0 ? QString() : QString::number(aantal); }

QString Spatie() { return QStringLiteral(" "); }

}  // namespace

QStringList Bon(const QString& titel, const QString& datumRegel, const QStringList& lijst)
{
    const QString streep(kBonBreedte, u'-');
    return QStringList{streep, titel, datumRegel, streep} + lijst + QStringList{streep};
}

QStringList SchoonmaakBon(const std::vector<KamerRegel>& lijst, const QStringList& kolommen)
{
    QStringList regels{Links(kKamerKop, 8) + Spatie() + Links(kolommen.value(0), 8) + Spatie() +
                       Links(kolommen.value(1), 8) + Spatie() + Links(kolommen.value(2), 8)};
    for (const KamerRegel& r : lijst)
        regels << Getal(r.kamerNr, 8) + Spatie() + Links(X(r.vertrek), 8) + Spatie() + Links(X(r.blijft), 8) +
                      Spatie() + Links(X(r.aankomst), 8);
    return regels;
}

QStringList MaaltijdBon(const std::vector<KamerRegel>& lijst, const QStringList& kolommen)
{
    QStringList regels{Links(kKamerKop, 8) + Spatie() + Rechts(kolommen.value(0), 8) + Spatie() +
                       Rechts(kolommen.value(1), 8) + Spatie() + Rechts(kolommen.value(2), 8)};
    for (const KamerRegel& r : lijst)
        regels << Getal(r.kamerNr, 6) + Spatie() + Rechts(Aantal(r.ontbijt), 8) + Spatie() +
                      Rechts(Aantal(r.lunch), 8) + Spatie() + Rechts(Aantal(r.diner), 8);
    return regels;
}

QStringList GastenBon(const std::vector<GastRegel>& lijst, const QStringList& kolommen)
{
    QStringList regels{Links(kKamerKop, 8) + Spatie() + Links(kolommen.value(0), 30)};
    for (const GastRegel& g : lijst)
        regels << Getal(g.kamerNr, 8) + Spatie() + Links(g.naam, 30);
    return regels;
}

}  // namespace rapport
