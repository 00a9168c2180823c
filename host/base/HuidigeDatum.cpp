#include "host/base/HuidigeDatum.h"

#include <QTime>

namespace {
std::optional<TDateTime> DatumUitOmgeving()
{
    const QString tekst = qEnvironmentVariable("RSV_VANDAAG").trimmed();
    const QDate datum = QDate::fromString(tekst, QStringLiteral("yyyy-MM-dd"));
    if (!datum.isValid())
        return std::nullopt;
    return FromQDate(datum);
}
}

HuidigeDatum::HuidigeDatum() = default;

HuidigeDatum& HuidigeDatum::Object()
{
    static HuidigeDatum object;
    return object;
}

TDateTime HuidigeDatum::Huidige() const
{
    if (vast_)
        return *vast_;
    if (const auto omgeving = DatumUitOmgeving())
        return *omgeving;
    return FromQDate(QDate::currentDate());
}

TDateTime HuidigeDatum::Nu() const
{
    return Huidige() + QTime::currentTime().msecsSinceStartOfDay() / 86400000.0;
}

int HuidigeDatum::Jaar() const { return ::Jaar(Huidige()); }

void HuidigeDatum::ZetVast(TDateTime datum) { vast_ = DateOf(datum); }

void HuidigeDatum::Los() { vast_.reset(); }

HuidigeDatumVast::HuidigeDatumVast(TDateTime datum) : vorige_(HuidigeDatum::Object().vast_)
{
    HuidigeDatum::Object().ZetVast(datum);
}

HuidigeDatumVast::~HuidigeDatumVast()
{
    HuidigeDatum::Object().vast_ = vorige_;
}
