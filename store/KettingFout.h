#pragma once
// The errors the chain operations raise on damaged chains (EBrRuntime).

#include <cstdint>
#include <QString>

#include "host/records/RecordCacheImpl.h"

enum class CacheVorm { PerJaar, EenBestand };

// The two consistency errors of NeemUitKetting: no predecessor while the record
// is not the first, or no successor while it is not the last.
enum class NeemUitFout { GeenVorige, GeenVolgende };

[[noreturn]] void GooiNeemUitFout(NeemUitFout fout, CacheVorm vorm, brlib::RecordCacheImpl& cache, int32_t eerste,
                                  int32_t recNr);

// A walk along a chain that visits more records than the file holds runs in a circle.
[[noreturn]] void GooiKettingLus(brlib::RecordCacheImpl& cache, int32_t jaar, const char* operatie);
