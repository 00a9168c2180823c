#include "host/base/EBrRuntime.h"
#include "host/brlib/Inlezen.h"
#include "store/Bestanden.h"
#include "store/RecordCache.h"
#include "store/WinRsvTarief.h"
#include "store/WinRsvTariefPnt.h"

namespace brlib {

namespace {

[[noreturn]] void KettingBeschadigd(int jaar, int32_t typeNr)
{
    throw EBrRuntime(QStringLiteral("De tarieven van kamertype %1 in %2 zijn beschadigd.").arg(typeNr).arg(jaar),
                     QStringLiteral("InlezenKamerTypeTarieven(int, stKamerType&)"));
}

}  // namespace

void InlezenKamerTypeTarieven(int jaar, stKamerType& type)
{
    type.tarieven.clear();
    if (type.recNr < 1)
        return;
    RecordCache<WIN_rsv_tarief> tarief(Bestanden::Tarief, tfPerJaar, true, true);
    RecordCache<WIN_rsv_tariefpnt> kop(Bestanden::TariefPnt, tfPerJaar, true, true);
    const int32_t aantal = tarief.RecordCount(jaar);
    WIN_rsv_tarief rcd{};
    int32_t stappen = 0;
    for (int32_t nr = tarief.EersteRecord(jaar, rcd, kop, type.recNr, 0); nr != 0;
         nr = tarief.NextRecord(jaar, 0, rcd)) {
        if (++stappen > aantal || rcd.kamerType != type.recNr)
            KettingBeschadigd(jaar, type.recNr);
        type.tarieven.push_back({rcd.tariefSoort, rcd.periode, rcd.bedrag});
    }
}

}  // namespace brlib
