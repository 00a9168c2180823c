#include "host/tillra/KassaMutatie.h"

#include "host/base/EBrRuntime.h"
#include "host/tillra/BonRegelOpslag.h"
#include "host/tillra/KassaBestanden.h"
#include "host/tillra/RegistratieRecords.h"
#include "store/RecordCache.h"

namespace Tillra {

const SAKassaMutatie* MutatieCursorRandom::At(const JaarNr& sleutel, int opties1, int opties2)
{
    huidige_.reset();
    try {
        RecordCache<sa_kas_mutatie> cache(KassaBestanden::Mutatie, brlib::tfPerJaar, true, true);
        if (sleutel.jaar < 1 || sleutel.nr < 1 || sleutel.nr > cache.RecordCount(sleutel.jaar))
            return nullptr;
        const sa_kas_mutatie rcd = cache.Record(sleutel);
        if (rcd.kassaNr != kassaNr_)
            return nullptr;
        SAKassaMutatie mutatie;
        mutatie.sleutel_ = sleutel;
        mutatie.registratie_ = JaarNr(rcd.regJaar, rcd.regNr);
        mutatie.moment_ = DatumTijdToDate(rcd.moment);
        mutatie.bedrag_ = rcd.bedrag;
        mutatie.wijze_ = rcd.wijze;
        if ((opties1 | opties2) & LEES_REGELS) {
            BonRegelBestanden regels(KassaBestanden::MutatieRegels, true);
            InlezenBonRegels(mutatie.regels_, sleutel.jaar, rcd.eersteRegel, regels);
        }
        huidige_ = std::move(mutatie);
        return &*huidige_;
    } catch (const EBrRuntime&) {
        return nullptr;
    }
}

}  // namespace Tillra
