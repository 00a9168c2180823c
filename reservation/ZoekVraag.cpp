#include "reservation/ZoekVraag.h"

#include <algorithm>

#include "host/base/DatumTekst.h"

namespace zoek {

int KlemJaar(int jaar) { return std::clamp(jaar, kMinJaar, kMaxJaar); }

bool ToonStatus(const ZoekVraag& vraag, int status) { return vraag.alle || vraag.statussen.contains(status); }

QString KopRegel(const ZoekVraag& vraag, const QString& weergave)
{
    QString selectie;
    switch (vraag.modus) {
    case ZoekModus::PerJaar:
        selectie = QStringLiteral("Overzicht per jaar: ") + QString::number(vraag.jaar);
        break;
    case ZoekModus::OpDatum:
        selectie = QStringLiteral("Overzicht op datum: ") + FormatDateTime(QStringLiteral("dd-mm-yyyy"), vraag.datum);
        break;
    case ZoekModus::OpNaam:
        selectie = QStringLiteral("Overzicht op naam: ") + vraag.naam;
        break;
    }
    return selectie + QStringLiteral("  Weergave: ") + weergave;
}

}  // namespace zoek
