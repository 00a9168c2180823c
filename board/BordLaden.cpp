#include "board/BordLaden.h"

#include <iterator>

#include "board/BordDatums.h"
#include "board/BordRegelLezer.h"
#include "host/brlib/VoorRegistratie.h"

namespace bord {

namespace {

// The trailing run of new items: lines composed on the board, not stored yet.
std::vector<brlib::stRes> NeemNieuweRegels(std::vector<brlib::stRes>& items)
{
    auto eerste = items.end();
    while (eerste != items.begin() && std::prev(eerste)->nieuw)
        --eerste;
    std::vector<brlib::stRes> nieuw(std::make_move_iterator(eerste), std::make_move_iterator(items.end()));
    items.erase(eerste, items.end());
    return nieuw;
}

void LeesVenster(BordToestand& toestand)
{
    BordRegelLezer lezer(toestand);
    const int start = DagGetal(toestand.startDatum);
    for (int d = start - kLaadDagen; d < start + kLaadDagen; ++d)
        lezer.LeesDag(d);
    VulVoorRegistraties(toestand.extras, lezer.MetVoorRegistratie());
}

}  // namespace

void VulVoorRegistraties(std::vector<brlib::stExtraRes>& extras, const std::vector<bool>& metVoorReg)
{
    for (size_t i = 0; i < extras.size() && i < metVoorReg.size(); ++i)
        if (metVoorReg[i])
            brlib::RsvGetVoorRegistratie(extras[i].resSleutel, extras[i].voorRegs);
}

void LoadItems(BordToestand& toestand)
{
    std::vector<brlib::stRes> nieuw = NeemNieuweRegels(toestand.items);
    toestand.items.clear();
    toestand.extras.clear();
    toestand.extraIndex.clear();
    const auto zetNieuweTerug = [&] {
        toestand.items.insert(toestand.items.end(), std::make_move_iterator(nieuw.begin()),
                              std::make_move_iterator(nieuw.end()));
    };
    try {
        LeesVenster(toestand);
    } catch (...) {
        zetNieuweTerug();
        throw;
    }
    zetNieuweTerug();
}

}  // namespace bord
