#include "reservation/GastGegevens.h"

const QStringList& StandaardGastLabels()
{
    static const QStringList labels{
        QStringLiteral("Naam"),     QStringLiteral("Voornaam"),         QStringLiteral("Adres"),
        QStringLiteral("Postcode"), QStringLiteral("Woonplaats"),       QStringLiteral("Land"),
        QStringLiteral("Telefoon"), QStringLiteral("E-mail"),           QStringLiteral("Geb.datum"),
        QStringLiteral("Paspoort"), QStringLiteral("Bijzonderheden I"), QStringLiteral("Bijzonderheden II"),
    };
    return labels;
}

QStringList GastRijLabels(const ResGegevens& gegevens)
{
    return gegevens.relatieLabels.isEmpty() ? StandaardGastLabels() : gegevens.relatieLabels;
}

const QStringList& HoofdgastRegels(const ResGegevens& gegevens)
{
    return gegevens.relatieLabels.isEmpty() ? gegevens.gastRegels : gegevens.relatieWaarden;
}

void ZetHoofdgastRegels(ResGegevens& gegevens, const QStringList& waarden)
{
    (gegevens.relatieLabels.isEmpty() ? gegevens.gastRegels : gegevens.relatieWaarden) = waarden;
}

QStringList TekstRegels(const QString& tekst)
{
    if (tekst.isEmpty())
        return {};
    QStringList regels = tekst.split(u'\n');
    if (regels.last().isEmpty())
        regels.removeLast();
    return regels;
}
