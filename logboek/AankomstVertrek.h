#pragma once
// The arrivals and departures of one day, for the front desk: every room line
// that begins or ends that day, with its guest, persons and check-in state,
// and for a departure what is still open at the till. A room moved part-way
// is neither (its guest stays in the hotel), nor is a blockade.

#include <cstdint>
#include <optional>
#include <vector>
#include <QString>

#include "host/base/JaarNr.h"
#include "host/base/TDateTime.h"

namespace logboek {

struct AankomstVertrekRij {
    bool vertrek = false;
    JaarNr reservering;
    int32_t kamerNr = 0;
    QString gast;
    int personen = 0;
    QString status;                 // "", "Ingechecked" or "Uitgechecked"
    std::optional<double> open;     // a departure's open amount at the till; none without a registration
};

// Departures first, then arrivals, each by room. Reads without a lock;
// EBrRuntime when a file cannot be read.
std::vector<AankomstVertrekRij> AankomstenEnVertrekken(TDateTime dag);

}  // namespace logboek
