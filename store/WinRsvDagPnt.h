#pragma once
// Day pointers, rsv_daghfd.pnt and rsv_dagrgl.pnt (per year): record number =
// day of the year; the head of the chain of headers, or of lines, beginning that day.
// Both files share one layout; the tag keeps their caches apart.

#include <cstddef>
#include <cstdint>

#include "store/KettingVelden.h"

enum class DagPntSoort { Hfd, Rgl };

#pragma pack(push, 1)
template <DagPntSoort Soort>
struct WIN_rsv_dagnr_pnt : KopVelden<WIN_rsv_dagnr_pnt<Soort>> {
    uint8_t ongebruikt0[2];
    int32_t eerste;
    int32_t laatste;
    uint8_t ongebruikt10[40];
};
#pragma pack(pop)

using WIN_rsv_dagnr_hfd_pnt = WIN_rsv_dagnr_pnt<DagPntSoort::Hfd>;
using WIN_rsv_dagnr_rgl_pnt = WIN_rsv_dagnr_pnt<DagPntSoort::Rgl>;

static_assert(sizeof(WIN_rsv_dagnr_hfd_pnt) == 50 && sizeof(WIN_rsv_dagnr_rgl_pnt) == 50);
static_assert(offsetof(WIN_rsv_dagnr_hfd_pnt, eerste) == 2 && offsetof(WIN_rsv_dagnr_rgl_pnt, eerste) == 2);
static_assert(offsetof(WIN_rsv_dagnr_hfd_pnt, laatste) == 6 && offsetof(WIN_rsv_dagnr_rgl_pnt, laatste) == 6);
