// RsvReservering::CheckNieuweEindDatum: whether a stay may end on another day.

#include "host/base/DatumTekst.h"
#include "host/brlib/KamerBezetting.h"
#include "host/brlib/RsvReservering.h"

namespace brlib {

namespace {

QString Datum(TDateTime d)
{
    return FormatDateTime(QStringLiteral("dd-mm-yyyy"), d);
}

// One line per booking of another reservation on the room in [van, tot).
void MeldBezet(JaarNr eigen, const stRes& regel, TDateTime van, TDateTime tot, QStringList& meldingen)
{
    for (const stBezetting& b : ZoekKamerBezetting(regel.kamerNr, van, tot, eigen))
        meldingen << "Kamer " + QString::number(regel.kamerNr) + " is bezet door reservering " +
                         b.reservering.String(2, 5) + " van " + Datum(b.begin) + " tot " + Datum(b.eind) + ".";
}

}  // namespace

bool RsvReservering::CheckNieuweEindDatum(TDateTime nieuwEind, QStringList& meldingen) const
{
    const int voor = meldingen.size();
    const TDateTime vanaf = KamersGesplitst() ? GetBeginDatumGesplitst() : begin;
    if (nieuwEind <= vanaf)
        meldingen << "Einddatum moet na begindatum (" + Datum(vanaf) + ") liggen.";
    else if (int(nieuwEind - begin) > kMaxNachten)
        meldingen << "Periode kan niet groter zijn dan " + QString::number(kMaxNachten) + " dagen.";
    else
        for (const stRes& regel : kamerRegels)
            if (regel.verplaatstNaar <= 0 && nieuwEind > regel.eind)
                MeldBezet(sleutel, regel, regel.eind, nieuwEind, meldingen);
    return meldingen.size() == voor;
}

}  // namespace brlib
