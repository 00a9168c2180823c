#pragma once
// The details of a new reservation as the details dialog gathers them and the
// board's registration copies them into every header it writes.

#include <array>
#include <cstdint>
#include <vector>
#include <QStringList>

#include "host/tillra/BonRegel.h"

struct ResGegevens {
    QStringList gastRegels;      // guest data lines, the first the name
    QStringList extraRegels;     // free extra text
    QStringList relatieLabels;   // relation card field labels; empty without a card
    QStringList relatieWaarden;  // the card's field values, one per label
    int32_t relatieNr = 0;
    int32_t relatieNr2 = 0;
    std::array<uint8_t, 3> vlaggen{};  // line kind (0 reservation, 1 option, 2 blockade), nationality, business/private
    std::array<uint8_t, 10> extra{};   // the first three: breakfast, lunch, dinner
    std::vector<Tillra::t_BonRegel> producten;  // the product lines, in the order shown

    // Nothing to name the guest by yet: OK opens the details dialog first.
    bool Leeg() const { return gastRegels.isEmpty() && relatieWaarden.isEmpty(); }
};
