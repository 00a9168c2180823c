#pragma once
// What the planning board holds, without widgets: the rooms (one row each),
// the loaded lines (Items) with their reservations (Extras), the prepared day
// cells, the shown period, the selection, the pointer and the mode fields.
// The board's units (loading, cells, geometry, colours, painting, the modes)
// all work on this one state; the form only wires events to them.

#include <array>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"
#include "host/brlib/Kamer.h"
#include "host/brlib/Res.h"
#include "logboek/KamerStatus.h"

namespace bord {

inline constexpr int kCelDagen = 49;       // days covered by the day cells from the start date
inline constexpr int kZichtbareDagen = 21; // day columns of the grid
inline constexpr int kLaadDagen = 49;      // days loaded before and from the start date
inline constexpr int kVasteKolommen = 2;   // room number, room description
inline constexpr int kMaxNachten = 49;     // longest stay; also the look-back of availability walks

// Kind of a day cell.
enum CelSoort : uint8_t { celLeeg = 0, celAankomst = 1, celVertrek = 2, celWissel = 3, celHeel = 4 };

// Status nibbles of a day cell: low = the bar in the right half or the whole
// day, high = the bar in the left half.
inline constexpr uint8_t kStatusLicht = 0x01;     // highlighted: selected reservation, or new
inline constexpr uint8_t kStatusVoorlopig = 0x02; // pending

// The day cells of one room row.
struct RoomDayCells {
    std::array<uint8_t, kCelDagen> soort{};
    std::array<uint8_t, kCelDagen> status{};
    std::array<int, kCelDagen> eerste;  // item arriving on or covering the day, -1 none
    std::array<int, kCelDagen> tweede;  // item covering or departing on the day, -1 none

    RoomDayCells() { Leeg(); }
    void Leeg()
    {
        soort.fill(celLeeg);
        status.fill(0);
        eerste.fill(-1);
        tweede.fill(-1);
    }
};

// Reservation keys as hash keys: the year in the high half, the number in the low.
struct JaarNrHash {
    size_t operator()(const JaarNr& s) const noexcept
    {
        return std::hash<uint64_t>()(uint64_t(uint32_t(s.jaar)) << 32 | uint32_t(s.nr));
    }
};

// Pointer highlight: 0 off, 1 header and cells, 2 header only.
enum CursorModus { cursorUit = 0, cursorKopEnCellen = 1, cursorAlleenKop = 2 };

struct BordToestand {
    std::vector<brlib::stKamer> kamers;      // row r (after the header row) is kamers[r]
    std::map<int32_t, logboek::e_KamerStatus> kamerStatus;  // housekeeping, rooms that are not clean
    std::vector<brlib::stRes> items;         // new lines always at the end
    std::vector<brlib::stExtraRes> extras;   // one per reservation among the items
    std::vector<RoomDayCells> cellen;        // one per room

    TDateTime startDatum = 0;  // first shown day, always the first day of a week
    bool isoWeek = false;      // weeks run Monday..Sunday; otherwise Sunday..Saturday

    JaarNr geselecteerd;       // selected reservation
    JaarNr aangewezen;         // reservation under the pointer
    int32_t geselecteerdeGroep = 0;
    int wijzerKolom = -1;      // grid cell under the pointer, -1 none
    int wijzerRij = -1;
    int cursorHor = cursorKopEnCellen;
    int cursorVert = cursorAlleenKop;

    // New-reservation mode: the chosen row and dates of the header route, and dragging.
    bool nieuwModus = false;
    int nieuwRij = -1;                 // grid row, -1 none
    TDateTime gekozenBegin = 0;        // chosen begin/end of a new reservation or period, 0 none
    TDateTime gekozenEind = 0;
    bool slepen = false;

    // Move (0/1/2, with its source room and chosen line), period (0/1/2) and group (0/1/2) modes.
    int verplaatsModus = 0;
    int32_t bronKamer = 0;
    int verplaatsItem = -1;
    int periodeModus = 0;
    int groepModus = 0;

    int32_t updateCount = 0;   // RsvGetUpdateCount at the last load

    // Lookups made per line: a room number to its row, a reservation key to its
    // extra. BuildCells re-indexes the rooms and LoadItems the extras; whoever
    // changes either list in between re-indexes it too. An index whose size no
    // longer matches its list is ignored in favour of a scan.
    std::unordered_map<int32_t, int> kamerRijen;
    std::unordered_map<JaarNr, int, JaarNrHash> extraIndex;

    void IndexeerKamers()
    {
        kamerRijen.clear();
        for (size_t i = 0; i < kamers.size(); ++i)
            kamerRijen.emplace(kamers[i].kamerNr, static_cast<int>(i));
    }

    void IndexeerExtras()
    {
        extraIndex.clear();
        extraIndex.reserve(extras.size());
        for (size_t i = 0; i < extras.size(); ++i)
            extraIndex.emplace(extras[i].resSleutel, static_cast<int>(i));
    }

    // The row index of a room number, -1 when the room is not on the board.
    int KamerIndex(int32_t kamerNr) const
    {
        const auto hit = kamerRijen.find(kamerNr);
        if (hit != kamerRijen.end() && hit->second < static_cast<int>(kamers.size()) &&
            kamers[hit->second].kamerNr == kamerNr)
            return hit->second;
        if (kamerRijen.size() == kamers.size())
            return -1;
        for (size_t i = 0; i < kamers.size(); ++i)
            if (kamers[i].kamerNr == kamerNr)
                return static_cast<int>(i);
        return -1;
    }

    const brlib::stExtraRes* ExtraVan(JaarNr sleutel) const
    {
        const auto hit = extraIndex.find(sleutel);
        if (hit != extraIndex.end() && hit->second < static_cast<int>(extras.size()) &&
            extras[hit->second].resSleutel == sleutel)
            return &extras[hit->second];
        if (extraIndex.size() == extras.size())
            return nullptr;
        for (const brlib::stExtraRes& extra : extras)
            if (extra.resSleutel == sleutel)
                return &extra;
        return nullptr;
    }

    bool HeeftNieuweRegels() const { return !items.empty() && items.back().nieuw; }
};

}  // namespace bord
