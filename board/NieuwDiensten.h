#pragma once
// What the board form gives its new-reservation pane: the details dialog over
// the board and the registration of the new lines. The board's refresh timer
// is off for as long as the mode lasts, so neither needs to pause it.

#include <functional>

#include "board/NieuwPaneel.h"

namespace bord {

struct BordKoppeling {
    QWidget* form;                        // owner of the dialog; its caption titles the messages
    bool standAlone;
    std::function<void()> gewijzigd;      // rebuild and repaint the board
    std::function<void()> verlaat;        // leave the mode
};

// The registration keeps the update count of its own write as the board's
// saved count, so that the board's refresh timer does not re-read for it.
NieuwDiensten BordDiensten(BordToestand& bord, const BordKoppeling& koppeling);

}  // namespace bord
