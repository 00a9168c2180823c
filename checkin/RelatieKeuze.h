#pragma once
// The host's relation card as the room check-in dialog uses it: the picker
// and the fields of a card, from the administration's relation file. Kept
// replaceable so that a host without relations can take the choice away.

#include <functional>
#include <optional>
#include <QString>

namespace incheck {

struct Relatiekaart {
    int32_t relatieNr = 0;
    std::function<QString(int)> veld;  // field n of the card
};

struct RelatieKeuze {
    // The chosen card's record key, starting at `huidig`; 0 or less: none chosen.
    std::function<int32_t(int32_t huidig)> selecteer;
    std::function<std::optional<Relatiekaart>(int32_t sleutel)> lees;

    bool Beschikbaar() const { return selecteer && lees; }
};

// The process-wide relation card of the host: its relation picker and file.
RelatieKeuze& HostRelatieKeuze();

}  // namespace incheck
