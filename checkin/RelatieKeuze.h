#pragma once
// The host's relation card as the room check-in dialog uses it: the picker
// and the fields of a card. The host fills it in where it has a relation
// file; without it the dialog offers no relation choice.

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

// The process-wide relation card of the host.
RelatieKeuze& HostRelatieKeuze();

}  // namespace incheck
