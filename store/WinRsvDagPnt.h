#pragma once
// Day pointers, rsv_daghfd.pnt and rsv_dagrgl.pnt (per year): record number =
// day of the year; the head of the chain of headers, or of lines, beginning that day.
// Both files share one layout; the tag keeps their caches apart.

#include <cstddef>
#include <cstdint>

enum class DagPntSoort { Hfd, Rgl };

#pragma pack(push, 1)
template <DagPntSoort Soort>
struct WIN_rsv_dagnr_pnt {
    uint8_t ongebruikt0[2];
    int32_t eerste;
    int32_t laatste;
    uint8_t ongebruikt10[40];

    int ReservedRecs() const { return 0; }
    int32_t GetEerste(int) const { return eerste; }
    int32_t GetLaatste(int) const { return laatste; }
    void SetEerste(int, int32_t v) { eerste = v; }
    void SetLaatste(int, int32_t v) { laatste = v; }
};
#pragma pack(pop)

using WIN_rsv_dagnr_hfd_pnt = WIN_rsv_dagnr_pnt<DagPntSoort::Hfd>;
using WIN_rsv_dagnr_rgl_pnt = WIN_rsv_dagnr_pnt<DagPntSoort::Rgl>;

static_assert(sizeof(WIN_rsv_dagnr_hfd_pnt) == 50 && sizeof(WIN_rsv_dagnr_rgl_pnt) == 50);
static_assert(offsetof(WIN_rsv_dagnr_hfd_pnt, eerste) == 2 && offsetof(WIN_rsv_dagnr_rgl_pnt, eerste) == 2);
static_assert(offsetof(WIN_rsv_dagnr_hfd_pnt, laatste) == 6 && offsetof(WIN_rsv_dagnr_rgl_pnt, laatste) == 6);
