#include "masterdata/TariefOpslag.h"

#include <QStringList>

#include "host/records/FindFiles.h"
#include "logboek/StamVelden.h"
#include "masterdata/StamActie.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvTariefPnt.h"

namespace {

constexpr int kPerJaar = brlib::tfPerJaar;

std::vector<int32_t> JarenMet(const char* bestand)
{
    QStringList paden;
    std::vector<int32_t> jaren;
    brlib::FindFiles(bestand, kPerJaar, paden, jaren);
    return jaren;
}

}  // namespace

std::vector<JaarNr> ZoekTarieven(int jaar, const std::function<bool(const WIN_rsv_tarief&)>& past)
{
    std::vector<JaarNr> gevonden;
    RecordCache<WIN_rsv_tarief> tarief(Bestanden::Tarief, kPerJaar, true, true);
    tarief.Scan(jaar, 2, [&](int32_t j, int32_t nr, const WIN_rsv_tarief& rcd) {
        if (rcd.kamerType >= 1 && past(rcd))
            gevonden.emplace_back(j, nr);
        return true;
    });
    return gevonden;
}

std::vector<JaarNr> TarievenVanTariefSoort(int32_t tariefSoortNr)
{
    std::vector<JaarNr> gevonden;
    for (int32_t jaar : JarenMet(Bestanden::Tarief))
        for (const JaarNr& nr :
             ZoekTarieven(jaar, [&](const WIN_rsv_tarief& rcd) { return rcd.tariefSoort == tariefSoortNr; }))
            gevonden.push_back(nr);
    return gevonden;
}

std::vector<JaarNr> TarievenVanPeriode(int jaar, int32_t periodeNr)
{
    return ZoekTarieven(jaar, [&](const WIN_rsv_tarief& rcd) { return rcd.periode == periodeNr; });
}

void VerwijderTarieven(const std::vector<JaarNr>& tarieven)
{
    RecordCache<WIN_rsv_tarief> tarief(Bestanden::Tarief, kPerJaar, false, false);
    RecordCache<WIN_rsv_tariefpnt> kop(Bestanden::TariefPnt, kPerJaar, false, false);
    for (const JaarNr& sleutel : tarieven) {
        const int32_t kamerType = tarief.Record(sleutel).kamerType;
        tarief.NeemUitKetting(sleutel.jaar, sleutel.nr, 0, kop, kamerType, 0);
        tarief.FreeRecord(sleutel.jaar, sleutel.nr);
    }
}

void VerwijderTariefKettingen(int32_t kamerTypeNr)
{
    RecordCache<WIN_rsv_tarief> tarief(Bestanden::Tarief, kPerJaar, false, false);
    RecordCache<WIN_rsv_tariefpnt> kop(Bestanden::TariefPnt, kPerJaar, false, false);
    for (int32_t jaar : JarenMet(Bestanden::TariefPnt))
        tarief.VerwijderKetting(jaar, 0, kop, kamerTypeNr, 0);
}

void HerschrijfTarieven(int jaar, int32_t kamerTypeNr, const std::vector<brlib::stTarief>& tarieven)
{
    RecordCache<WIN_rsv_tarief> tarief(Bestanden::Tarief, kPerJaar, false, false);
    RecordCache<WIN_rsv_tariefpnt> kop(Bestanden::TariefPnt, kPerJaar, false, false);
    tarief.VerwijderKetting(jaar, 0, kop, kamerTypeNr, 0);
    for (const brlib::stTarief& t : tarieven) {
        WIN_rsv_tarief rcd{};
        rcd.kamerType = kamerTypeNr;
        rcd.tariefSoort = t.tariefSoort;
        rcd.periode = t.periode;
        rcd.bedrag = t.bedrag;
        const int32_t nr = tarief.GetFreeRecord(jaar);
        tarief.Store(jaar, nr, rcd);
        tarief.VoegAchterKetting(jaar, nr, 0, kop, kamerTypeNr, 0);
    }
}

bool SchrijfTarieven(int jaar, int32_t kamerTypeNr, const std::vector<brlib::stTarief>& tarieven)
{
    return VoerStamActieUit(QStringLiteral("Registreren tarieven"), [&] {
        logboek::NoteerStam(QStringLiteral("Tarieven"),
                            QStringLiteral("tarieven ") + QString::number(jaar) + QStringLiteral(" type ") +
                                QString::number(kamerTypeNr),
                            [jaar, kamerTypeNr] { return logboek::TariefVelden(jaar, kamerTypeNr); });
        HerschrijfTarieven(jaar, kamerTypeNr, tarieven);
        return QString();
    });
}
