#pragma once
// Loading a board with far more rooms than it shows in two steps: first the
// lines of the shown rows and days, which is all a first paint needs (read by
// the GUI thread and a thread of its own at once, sharing the days), then
// on that thread the rest of the 98-day window. The rest is added on the
// GUI thread once it is read, or earlier when something needs every line
// (the caller asks for it before any handler runs).

#include <functional>
#include <memory>

#include "board/BordToestand.h"

namespace bord {

// Rooms [eerste, voorbij): the rows on screen.
struct RijBereik {
    int eerste = 0;
    int voorbij = 0;
};

class DeelLader {
public:
    static constexpr int kStandaardDrempel = 2000;

    DeelLader();
    ~DeelLader();  // drops a rest still being read
    DeelLader(const DeelLader&) = delete;
    DeelLader& operator=(const DeelLader&) = delete;

    // Boards with fewer rooms load at once; two steps do not pay off for them.
    void ZetDrempel(int kamers) { drempel_ = kamers; }

    // Loads the state's window. With new lines, a mode in progress, fewer rooms
    // than the threshold or every room on screen, this is LoadItems. Otherwise
    // it loads the lines of `rijen` that arrive before the last shown day and
    // starts reading the rest; `gelezen` is called from the reading thread once
    // the rest is read. A pending rest of an earlier load is dropped first.
    void Laad(BordToestand& toestand, RijBereik rijen, std::function<void()> gelezen);

    // True while the state lacks a rest that Voltooi would add.
    bool Gedeeltelijk() const { return rest_ != nullptr; }
    // True when every line `rijen` show is loaded, also while the rest is read.
    bool Dekt(RijBereik rijen) const
    {
        return !rest_ || (rijen.eerste >= geladen_.eerste && rijen.voorbij <= geladen_.voorbij);
    }

    // Waits for the rest and puts its lines before the loaded ones (so new lines
    // stay last; item numbers change, the cells must be rebuilt) and adds its
    // reservations with their pre-registrations; false when nothing was pending.
    // A damaged chain met by the thread raises its EBrRuntime here, after what it read is added.
    bool Voltooi(BordToestand& toestand);

    // Drops a pending rest.
    void Stop();

private:
    struct Rest;
    // A rest whose reader has a workstation of its own and which holds the previous load's lists.
    static std::unique_ptr<Rest> NieuweRest(BordToestand& toestand);
    // The thread: its half of the shown rows' lines, then the whole window
    // except those lines; `gelezen` when done and not stopped.
    static void LeesRest(Rest* rest, const std::function<void()>& gelezen);

    int drempel_ = kStandaardDrempel;
    RijBereik geladen_;  // the rows loaded first
    std::unique_ptr<Rest> rest_;  // stops and joins its thread when dropped
};

}  // namespace bord
