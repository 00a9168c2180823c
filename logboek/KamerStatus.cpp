#include "logboek/KamerStatus.h"

#include "logboek/LogboekActie.h"
#include "store/RecordCache.h"
#include "store/RecordTekst.h"

namespace logboek {

namespace {

using Cache = RecordCache<WIN_rsv_kamerstatus>;

// The room's record number, 0 when it has none.
int32_t ZoekKamer(Cache& cache, int32_t kamerNr)
{
    int32_t gevonden = 0;
    cache.Scan(1, [&](int32_t nr, const WIN_rsv_kamerstatus& rcd) {
        if (rcd.kamerNr == kamerNr)
            gevonden = nr;
        return gevonden == 0;
    });
    return gevonden;
}

e_KamerStatus Geldig(uint8_t status) { return status <= ksBuitenGebruik ? e_KamerStatus(status) : ksSchoon; }

}  // namespace

QString KamerStatusTekst(e_KamerStatus status)
{
    switch (status) {
    case ksVuil: return QStringLiteral("vuil");
    case ksGecontroleerd: return QStringLiteral("gecontroleerd");
    case ksBuitenGebruik: return QStringLiteral("buiten gebruik");
    case ksSchoon: break;
    }
    return QStringLiteral("schoon");
}

e_KamerStatus KamerStatus(int32_t kamerNr)
{
    Cache cache(kKamerStatusBestand, brlib::tfEenBestand, true, true);
    const int32_t nr = ZoekKamer(cache, kamerNr);
    return nr ? Geldig(cache.Record(nr).status) : ksSchoon;
}

std::map<int32_t, e_KamerStatus> KamerStatussen()
{
    std::map<int32_t, e_KamerStatus> uit;
    Cache cache(kKamerStatusBestand, brlib::tfEenBestand, true, true);
    cache.Scan(1, [&](int32_t, const WIN_rsv_kamerstatus& rcd) {
        const int32_t kamerNr = rcd.kamerNr;  // a copy: the record is packed
        if (Geldig(rcd.status) != ksSchoon)
            uit[kamerNr] = Geldig(rcd.status);
        return true;
    });
    return uit;
}

e_KamerStatus StatusIn(const std::map<int32_t, e_KamerStatus>& statussen, int32_t kamerNr)
{
    const auto status = statussen.find(kamerNr);
    return status == statussen.end() ? ksSchoon : status->second;
}

void ZetKamerStatusInActie(int32_t kamerNr, e_KamerStatus status)
{
    Cache cache(kKamerStatusBestand, brlib::tfEenBestand, false, false);
    int32_t nr = ZoekKamer(cache, kamerNr);
    const e_KamerStatus oud = nr ? Geldig(cache.Record(nr).status) : ksSchoon;
    if (oud == status)
        return;
    if (nr == 0)
        nr = cache.RecordCount() + 1;
    WIN_rsv_kamerstatus rcd{};
    rcd.kamerNr = kamerNr;
    rcd.status = status;
    rcd.gewijzigd = DateToDatumTijd(Nu());
    ZetTekst(rcd.werkplek, WerkplekNaam());
    cache.Store(nr, rcd);
    NoteerWijziging({QStringLiteral("kamer ") + QString::number(kamerNr) + QStringLiteral(" schoonmaak"),
                     KamerStatusTekst(oud), KamerStatusTekst(status)});
}

void MaakKamerVuilInActie(int32_t kamerNr)
{
    if (KamerStatus(kamerNr) != ksBuitenGebruik)
        ZetKamerStatusInActie(kamerNr, ksVuil);
}

QString BuitenGebruikMelding(int32_t kamerNr)
{
    return KamerStatus(kamerNr) == ksBuitenGebruik ? BuitenGebruikTekst(kamerNr) : QString();
}

QString BuitenGebruikTekst(int32_t kamerNr)
{
    return QStringLiteral("Kamer ") + QString::number(kamerNr) +
           QStringLiteral(" is buiten gebruik en kan niet geboekt worden.");
}

}  // namespace logboek
