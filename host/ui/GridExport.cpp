#include "host/ui/GridExport.h"

#include <QStringList>

#include "host/ui/TGridView.h"

QString CsvVeld(const QString& tekst)
{
    const bool quoten = tekst.contains(u';') || tekst.contains(u'"') || tekst.contains(u'\n') ||
                        tekst.contains(u'\r') || tekst != tekst.trimmed();
    if (!quoten)
        return tekst;
    return u'"' + QString(tekst).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

namespace {
QString Regel(const QStringList& velden)
{
    QStringList uit;
    for (const QString& veld : velden)
        uit << CsvVeld(veld);
    return uit.join(u';') + QStringLiteral("\r\n");
}
}

QByteArray GridCsv(const TGridView& grid)
{
    const std::vector<int> kolommen = grid.ZichtbareKolommen();
    QStringList titels;
    for (int k : kolommen)
        titels << grid.KolomTitel(k);
    QString tekst = Regel(titels);
    for (int rij = 0; rij < grid.RijAantal(); ++rij) {
        QStringList velden;
        for (int k : kolommen)
            velden << grid.GetCells(k, rij);
        tekst += Regel(velden);
    }
    return QByteArray("\xEF\xBB\xBF") + tekst.toUtf8();
}
