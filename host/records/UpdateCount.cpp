#include "host/records/UpdateCount.h"

#include <cstring>

#include "host/records/Journal.h"
#include "host/records/RecordCacheImpl.h"

namespace brlib {

namespace {
const QString kBestand = UpdateCountFile();

int32_t Lees(RecordCacheImpl& cache)
{
    if (cache.RecordCount(0) < 1)
        return 0;
    int32_t waarde;
    std::memcpy(&waarde, cache.Record(0, 1), sizeof waarde);
    return waarde;
}
}

int32_t RsvGetUpdateCount()
{
    RecordCacheImpl cache(sizeof(int32_t), kBestand, tfEenBestand, true, true);
    return Lees(cache);
}

int32_t RsvChangeUpdateCount()
{
    RecordCacheImpl cache(sizeof(int32_t), kBestand, tfEenBestand, false, false);
    // Wraps around instead of overflowing; readers only compare for change.
    const int32_t nieuw = int32_t(uint32_t(Lees(cache)) + 1u);
    cache.Store(0, 1, &nieuw);
    return nieuw;
}

}  // namespace brlib
