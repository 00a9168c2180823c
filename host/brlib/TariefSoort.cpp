#include "host/brlib/TariefSoort.h"

#include <QStringList>

#include "host/brlib/Stempel.h"
#include "store/RecordTekst.h"

namespace brlib {

namespace {
const char* const kKorteDagen[7] = {"zo", "ma", "di", "wo", "do", "vr", "za"};

// Sunday first, as the record keeps the flags.
int ZondagEerst(TDateTime datum) { return DagVanWeek(datum) % 7; }
}  // namespace

stTariefSoort stTariefSoort::Standaard()
{
    stTariefSoort soort;
    soort.code = QStringLiteral("Standaard");
    soort.omschr = QStringLiteral("Basis tarief per dag");
    soort.aantalDagen = 1;
    return soort;
}

stTariefSoort stTariefSoort::UitRecord(int32_t nr, const WIN_rsv_tariefsoort& rcd)
{
    stTariefSoort soort;
    soort.recNr = nr;
    soort.stempel = rcd.stempel;
    soort.code = LeesTekst(rcd.code);
    soort.omschr = LeesTekst(rcd.omschr);
    for (int i = 0; i < 7; ++i)
        soort.weekDagen[i] = rcd.weekDagen[i] != 0;
    soort.aantalDagen = rcd.aantalDagen;
    return soort;
}

WIN_rsv_tariefsoort stTariefSoort::GetRcd() const
{
    WIN_rsv_tariefsoort rcd{};
    rcd.recNr = recNr;
    rcd.inGebruik = 1;
    ZetTekst(rcd.code, code);
    ZetTekst(rcd.omschr, omschr);
    for (int i = 0; i < 7; ++i)
        rcd.weekDagen[i] = weekDagen[i] ? 1 : 0;
    rcd.aantalDagen = aantalDagen;
    rcd.stempel = NieuweStempel(stempel);
    return rcd;
}

QString stTariefSoort::GetSoortOmschr() const
{
    if (aantalDagen == 1)
        return QStringLiteral("Per dag");
    if (aantalDagen > 1)
        return QStringLiteral("Per %1 dagen").arg(aantalDagen);
    QStringList dagen;
    for (int i = 0; i < 7; ++i)
        if (weekDagen[i])
            dagen << QString::fromLatin1(kKorteDagen[i]);
    return QStringLiteral("Op ") + dagen.join(QStringLiteral(", "));
}

bool stTariefSoort::GeldtOp(TDateTime datum) const { return weekDagen[ZondagEerst(datum)]; }

}  // namespace brlib
