#pragma once
// The overview's choices kept per workstation (section "RsvZoekRes"): read
// when the form shows, written back when it closes.

#include <array>
#include <QString>

#include "host/base/TDateTime.h"

namespace zoek {

struct ZoekInstellingen {
    // Radio buttons in form order; as on the form, a later checked one wins.
    std::array<bool, 3> selectie{true, false, false};  // per jaar, op datum, op naam
    std::array<bool, 2> weergave{true, true};          // alle, selectie
    std::array<bool, 4> statussen{true, true, true, true};
    int jaar = 0;
    TDateTime datum = 0;
    QString naam;
    int sorteerKolom = 0;
    int sorteerOrde = 0;

    // Index of the checked button of a row of radio buttons; -1 when none is.
    template <size_t N>
    static int Gekozen(const std::array<bool, N>& knoppen)
    {
        for (int i = int(N) - 1; i >= 0; --i)
            if (knoppen[i])
                return i;
        return -1;
    }

    static ZoekInstellingen Lees(const QString& sectie, int huidigJaar, TDateTime vandaag);
    void Schrijf(const QString& sectie) const;
};

}  // namespace zoek
