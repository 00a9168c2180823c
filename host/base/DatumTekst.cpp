#include "host/base/DatumTekst.h"

#include <array>

namespace {

const std::array<const char*, 7> kKorteDagen{"ma", "di", "wo", "do", "vr", "za", "zo"};
const std::array<const char*, 7> kLangeDagen{"maandag", "dinsdag", "woensdag", "donderdag",
                                             "vrijdag", "zaterdag", "zondag"};
const std::array<const char*, 12> kKorteMaanden{"jan", "feb", "mrt", "apr", "mei", "jun",
                                                "jul", "aug", "sep", "okt", "nov", "dec"};
const std::array<const char*, 12> kLangeMaanden{"januari", "februari", "maart", "april",
                                                "mei", "juni", "juli", "augustus",
                                                "september", "oktober", "november", "december"};

QString Getal(int waarde, int cijfers)
{
    return QStringLiteral("%1").arg(waarde, cijfers, 10, QLatin1Char('0'));
}

int Herhaling(const QString& formaat, qsizetype i)
{
    int n = 1;
    while (i + n < formaat.size() && formaat[i + n].toLower() == formaat[i].toLower())
        ++n;
    return n;
}

QString DagDeel(int n, const QDate& q)
{
    switch (n) {
    case 1: return QString::number(q.day());
    case 2: return Getal(q.day(), 2);
    case 3: return KorteDagNaam(q.dayOfWeek());
    default: return LangeDagNaam(q.dayOfWeek());
    }
}

QString MaandDeel(int n, const QDate& q)
{
    switch (n) {
    case 1: return QString::number(q.month());
    case 2: return Getal(q.month(), 2);
    case 3: return KorteMaandNaam(q.month());
    default: return LangeMaandNaam(q.month());
    }
}

// One run of a format letter; returns the text it stands for.
QString Deel(QChar letter, int n, const QDateTime& dt)
{
    const QDate q = dt.date();
    const QTime t = dt.time();
    switch (letter.toLower().unicode()) {
    case 'd': return DagDeel(n, q);
    case 'm': return MaandDeel(n, q);
    case 'y': return n <= 2 ? Getal(q.year() % 100, 2) : Getal(q.year(), 4);
    case 'h': return n == 1 ? QString::number(t.hour()) : Getal(t.hour(), 2);
    case 'n': return n == 1 ? QString::number(t.minute()) : Getal(t.minute(), 2);
    case 's': return n == 1 ? QString::number(t.second()) : Getal(t.second(), 2);
    }
    return QString(n, letter);
}

}  // namespace

QString FormatDateTime(const QString& formaat, TDateTime d)
{
    const QDateTime dt = ToQDateTime(d);
    QString uit;
    for (qsizetype i = 0; i < formaat.size();) {
        const QChar c = formaat[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype eind = formaat.indexOf(c, i + 1);
            const qsizetype stop = eind < 0 ? formaat.size() : eind;
            uit += formaat.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (QStringLiteral("dmyhns").contains(c.toLower())) {
            const int n = Herhaling(formaat, i);
            uit += Deel(c, n, dt);
            i += n;
            continue;
        }
        uit += c;
        ++i;
    }
    return uit;
}

QString KorteDagNaam(int isoDag) { return QString::fromLatin1(kKorteDagen.at(isoDag - 1)); }
QString LangeDagNaam(int isoDag) { return QString::fromLatin1(kLangeDagen.at(isoDag - 1)); }
QString KorteMaandNaam(int maand) { return QString::fromLatin1(kKorteMaanden.at(maand - 1)); }
QString LangeMaandNaam(int maand) { return QString::fromLatin1(kLangeMaanden.at(maand - 1)); }
