#pragma once
// The record count of each year's file as a reader last asked it. Asking costs
// a look at the file on disk; a reader that reads thousands of reservations
// asks again only for a record number past the count it knows, since these
// files grow but never shrink under it.

#include <cstdint>
#include <unordered_map>

namespace brlib {

template <class Cache>
class BekendAantal {
public:
    explicit BekendAantal(Cache& cache) : cache_(cache) {}

    // The year's record count, asked afresh when the known one is below `nodig`.
    int32_t Aantal(int jaar, int32_t nodig)
    {
        int32_t& aantal = aantallen_.try_emplace(jaar, -1).first->second;
        if (aantal < nodig)
            aantal = cache_.RecordCount(jaar);
        return aantal;
    }

private:
    Cache& cache_;
    std::unordered_map<int, int32_t> aantallen_;
};

}  // namespace brlib
