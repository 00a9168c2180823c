#pragma once
// The members of a chain as record numbers, read before a write path changes
// them: taking members out while walking would follow links already cleared.

#include <cstdint>
#include <vector>

#include "store/KettingFout.h"
#include "store/RecordCache.h"

// Members from `eerste` along chain `keten` of `cache` in year `jaar` (0 for a
// single file). A chain longer than the file runs in a circle: EBrRuntime.
template <class T>
std::vector<int32_t> KettingLeden(RecordCache<T>& cache, int32_t jaar, int32_t eerste, int keten,
                                  const char* operatie)
{
    std::vector<int32_t> leden;
    const auto grens = static_cast<std::size_t>(cache.RecordCount(jaar));
    for (int32_t nr = eerste; nr > 0; nr = cache.Record(jaar, nr).GetAn(keten)) {
        if (leden.size() >= grens)
            GooiKettingLus(cache.Impl(), jaar, operatie);
        leden.push_back(nr);
    }
    return leden;
}
