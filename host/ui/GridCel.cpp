#include "host/ui/GridCel.h"

#include <algorithm>
#include <cmath>

#include "host/base/DatumTekst.h"

namespace {

const QString kStandaardDatum = QStringLiteral("dd-mm-yyyy");

// Decimals after the '.': a '0' is always shown, a '#' only when not zero.
std::pair<int, int> Decimalen(const QString& formaat)
{
    const qsizetype punt = formaat.indexOf(u'.');
    if (punt < 0)
        return {0, 0};
    const QString achter = formaat.mid(punt + 1);
    return {static_cast<int>(achter.count(u'0')), static_cast<int>(achter.count(u'#'))};
}

QString MetDuizendtallen(const QString& cijfers)
{
    QString uit;
    for (qsizetype i = 0; i < cijfers.size(); ++i) {
        if (i > 0 && (cijfers.size() - i) % 3 == 0)
            uit += u'.';
        uit += cijfers[i];
    }
    return uit;
}

std::optional<QDate> LeesDatum(const QString& tekst)
{
    for (const char* formaat : {"d-M-yyyy", "d-M-yy", "d/M/yyyy", "yyyy-MM-dd"}) {
        QDate d = QDate::fromString(tekst, QString::fromLatin1(formaat));
        if (d.isValid() && d.year() < 1950)
            d = d.addYears(100);
        if (d.isValid())
            return d;
    }
    return std::nullopt;
}

}  // namespace

QVariant DatumCel(TDateTime d)
{
    return d == 0 ? QVariant(QDateTime()) : QVariant(ToQDateTime(d));
}

TDateTime CelDatum(const QVariant& cel)
{
    const QDateTime dt = cel.toDateTime();
    return dt.isValid() ? FromQDateTime(dt) : 0.0;
}

bool IsGetalCel(const QVariant& cel)
{
    return cel.typeId() == QMetaType::LongLong || cel.typeId() == QMetaType::Double;
}

QString FormatGetal(double waarde, const QString& formaat)
{
    const auto [vast, hooguit] = Decimalen(formaat);
    const int decimalen = vast + hooguit;
    QString tekst = QString::number(std::fabs(waarde), 'f', decimalen);
    for (int weg = 0; weg < hooguit && tekst.endsWith(u'0'); ++weg)
        tekst.chop(1);
    if (tekst.endsWith(u'.'))
        tekst.chop(1);
    const qsizetype punt = tekst.indexOf(u'.');
    QString geheel = punt < 0 ? tekst : tekst.left(punt);
    if (formaat.contains(u','))
        geheel = MetDuizendtallen(geheel);
    const bool negatief = waarde < 0 && std::any_of(tekst.begin(), tekst.end(), [](QChar c) {
                              return c >= u'1' && c <= u'9';
                          });
    QString uit = (negatief ? QStringLiteral("-") : QString()) + geheel;
    if (punt >= 0)
        uit += u',' + tekst.mid(punt + 1);
    return uit;
}

QString CelTekst(const QVariant& cel, const QString& formaat)
{
    switch (cel.typeId()) {
    case QMetaType::QDateTime: {
        const TDateTime d = CelDatum(cel);
        return d == 0 ? QString() : FormatDateTime(formaat.isEmpty() ? kStandaardDatum : formaat, d);
    }
    case QMetaType::LongLong:
        return formaat.isEmpty() ? QString::number(cel.toLongLong()) : FormatGetal(cel.toDouble(), formaat);
    case QMetaType::Double:
        return FormatGetal(cel.toDouble(), formaat.isEmpty() ? QStringLiteral("0.00") : formaat);
    default:
        return cel.toString();
    }
}

std::optional<double> LeesGetal(const QString& tekst)
{
    QString t = tekst.trimmed();
    if (t.contains(u',')) {
        t.remove(u'.');
        t.replace(u',', u'.');
    }
    bool ok = false;
    const double waarde = t.toDouble(&ok);
    return ok && std::isfinite(waarde) ? std::optional<double>(waarde) : std::nullopt;
}

std::optional<QVariant> CelUitTekst(const QString& tekst, const QVariant& oud)
{
    const QString t = tekst.trimmed();
    switch (oud.typeId()) {
    case QMetaType::LongLong: {
        bool ok = false;
        const qlonglong waarde = QString(t).remove(u'.').toLongLong(&ok);
        return ok ? std::optional<QVariant>(waarde) : std::nullopt;
    }
    case QMetaType::Double: {
        const auto waarde = LeesGetal(t);
        return waarde ? std::optional<QVariant>(*waarde) : std::nullopt;
    }
    case QMetaType::QDateTime: {
        if (t.isEmpty())
            return DatumCel(0);
        const auto datum = LeesDatum(t);
        return datum ? std::optional<QVariant>(DatumCel(FromQDate(*datum))) : std::nullopt;
    }
    default:
        return QVariant(tekst);
    }
}
