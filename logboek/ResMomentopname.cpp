#include "logboek/ResMomentopname.h"

#include <algorithm>
#include <QLocale>
#include <QStringList>

#include "host/base/DatumTekst.h"
#include "host/brlib/ReserveringCursor.h"
#include "host/brlib/ResStatus.h"

namespace logboek {

namespace {

QString Datum(TDateTime d) { return FormatDateTime(QStringLiteral("dd-mm-yyyy"), d); }
QString Moment(TDateTime d) { return FormatDateTime(QStringLiteral("dd-mm-yyyy hh:nn"), d); }

QString Soort(int soort)
{
    switch (soort) {
    case 1: return QStringLiteral("Optie");
    case 2: return QStringLiteral("Blokkade");
    default: return QStringLiteral("Reservering");
    }
}

QString RegelWaarde(const brlib::stRes& regel)
{
    QString w = Datum(regel.begin) + QStringLiteral(" - ") + Datum(regel.eind) + QStringLiteral(", ") +
                QString::number(regel.personen) + QStringLiteral(" pers.");
    if (!regel.inCheck.sleutel.IsLeeg())
        w += (regel.inCheck.uitgecheckt ? QStringLiteral(", uitgecheckt ") + Moment(regel.inCheck.uitCheckTijd)
                                        : QStringLiteral(", ingecheckt ") + Moment(regel.inCheck.inCheckTijd));
    if (regel.verplaatstNaar > 0)
        w += QStringLiteral(", verplaatst naar ") + QString::number(regel.verplaatstNaar);
    return w;
}

QString Gasten(const brlib::stRes& regel, const QStringList& labels)
{
    QStringList namen;
    for (const brlib::stPersoon& p : regel.inCheck.personen)
        namen << p.GetNaam(labels);
    return namen.join(QStringLiteral(", "));
}

// "kamer 101", and "kamer 101 (2)" for a second line on the same room.
QString RegelNaam(const brlib::stRes& regel, Velden& velden)
{
    const QString basis = QStringLiteral("kamer ") + QString::number(regel.kamerNr);
    QString naam = basis;
    for (int n = 2; std::any_of(velden.begin(), velden.end(), [&](const auto& v) { return v.first == naam; }); ++n)
        naam = basis + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')');
    return naam;
}

}  // namespace

Velden ResMomentopname(const JaarNr& sleutel)
{
    if (sleutel.nr < 1 || sleutel.nr > brlib::GetReserveringCount(sleutel.jaar))
        return {};
    brlib::RsvReserveringCursorRandom cursor;
    const brlib::RsvReservering& res = cursor.At(sleutel, brlib::roAlles);
    Velden v{
        {QStringLiteral("status"), brlib::RsvGetStatusOmschr(res.status)},
        {QStringLiteral("soort"), Soort(res.soort)},
        {QStringLiteral("periode"), Datum(res.begin) + QStringLiteral(" - ") + Datum(res.eind)},
        {QStringLiteral("totaal"), QLocale(QLocale::Dutch).toString(res.totaalBedrag, 'f', 2)},
        {QStringLiteral("groep"), res.groepNr ? QString::number(res.groepNr) : QString()},
        {QStringLiteral("gastgegevens"), res.gastRegels.join(QStringLiteral(" / "))},
        {QStringLiteral("extra tekst"), res.extraRegels.join(QStringLiteral(" / "))},
        {QStringLiteral("relatie"), res.relatieNr ? QString::number(res.relatieNr) : QString()},
    };
    for (const brlib::stRes& regel : res.kamerRegels) {
        const QString naam = RegelNaam(regel, v);
        v.emplace_back(naam, RegelWaarde(regel));
        // Without a relation card a person's values are the standard person fields, name and first name first.
        const QStringList labels =
            res.relatieLabels.isEmpty() ? QStringList{QStringLiteral("Naam"), QStringLiteral("Voornaam")} : res.relatieLabels;
        const QString gasten = Gasten(regel, labels);
        if (!gasten.isEmpty())
            v.emplace_back(naam + QStringLiteral(" gasten"), gasten);
    }
    return v;
}

}  // namespace logboek
